// String table and templates.
