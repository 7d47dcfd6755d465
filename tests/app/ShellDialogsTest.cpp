#include <gtest/gtest.h>

#include "app/cAboutDlg.h"
#include "app/cFileNewDlg.h"
#include "app/cToolbarConfigDlg.h"

namespace korval {
namespace {

TEST(FileNewDlgTest, ListsTheKindsInRegistrationOrderFirstSelected) {
    cFileNewDlg dialog;
    EXPECT_STREQ(dialog.Title(), "New");
    EXPECT_EQ(dialog.Entries(),
              (std::vector<std::string>{"Project", "Function Point Model", "COCOMO Model",
                                        "Rayleigh Model", "System"}));
    EXPECT_EQ(dialog.SelectedKind(), DocumentKind::Project);
    const DocumentKind kinds[] = {DocumentKind::Project, DocumentKind::FunctionPoint,
                                  DocumentKind::Cocomo, DocumentKind::Rayleigh,
                                  DocumentKind::System};
    for (int i = 0; i < 5; ++i) {
        dialog.Select(i);
        EXPECT_EQ(dialog.SelectedKind(), kinds[i]);
    }
    dialog.Select(5);
    dialog.Select(-1);
    EXPECT_EQ(dialog.SelectedKind(), DocumentKind::System);
}

TEST(ToolbarConfigDlgTest, BoxesInDialogOrderWithTheirBars) {
    cToolbarConfigDlg dialog;
    EXPECT_STREQ(dialog.Title(), "ToolBar Configuration");
    EXPECT_EQ(dialog.HelpTopic(), 45);
    const char* labels[] = {"&File",           "&Import/Export", "&System",  "&Project",
                            "&Function Point", "&COCOMO",        "&Rayleigh"};
    const int bars[] = {59392, 59397, 59402, 59398, 59399, 59400, 59401};
    for (int i = 0; i < cToolbarConfigDlg::kBarCount; ++i) {
        auto bar = static_cast<cToolbarConfigDlg::Bar>(i);
        EXPECT_STREQ(cToolbarConfigDlg::Label(bar), labels[i]);
        EXPECT_EQ(cToolbarConfigDlg::BarId(bar), bars[i]);
        EXPECT_FALSE(dialog.IsChecked(bar));
    }
}

TEST(AboutDlgTest, NameVersionCopyright) {
    cAboutDlg dialog("Version 4.1", "Copyright (C) 2026");
    EXPECT_STREQ(dialog.Title(), "About KORVAL");
    EXPECT_EQ(dialog.ProductName(), "Korval");
    EXPECT_EQ(dialog.VersionText(), "Version 4.1");
    EXPECT_EQ(dialog.CopyrightText(), "Copyright (C) 2026");
}

}  // namespace
}  // namespace korval
