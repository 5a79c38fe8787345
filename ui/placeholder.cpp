// Window model: grows in this folder.
