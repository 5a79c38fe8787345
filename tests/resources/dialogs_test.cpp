#include "resources/dialogs.h"

#include <gtest/gtest.h>

#include <set>

#include "resources/string_table.h"

namespace zlx::resources {
namespace {

// A control number names one control of its dialog, and every text a template reloads exists.
TEST(DialogTemplates, ControlIdsAreUniqueAndReloadedTextsExist) {
    for (int dialog :
         {kDialogAbout, kDialogTroubleshooting, kDialogStatistics, kDialogLinkStatus,
          kDialogAdvancedStatus, kDialogWaiting, kDialogTestWindow, kDialogSignalHistory}) {
        const ui::DialogTemplate& t = dialogTemplate(dialog);
        ASSERT_EQ(t.id, dialog);
        std::set<int> ids;
        for (const ui::ControlTemplate& c : t.controls) {
            if (c.id > 0) {
                EXPECT_TRUE(ids.insert(c.id).second) << dialog << ": " << c.id;
            }
            if (c.textId != 0) {
                EXPECT_TRUE(loadString(c.textId)) << dialog << ": " << c.textId;
            }
        }
    }
}

}  // namespace
}  // namespace zlx::resources
