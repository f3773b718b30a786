// The main window's actions, main menu and the character map's popup menu.
#include "app/MainFormUnit.h"

namespace letterloom {

namespace {

void Define(tk::ActionList& list, tk::Action& action, const char* name, const char* category,
            const char* caption, const char* hint, int image) {
    action.name = name;
    action.category = category;
    action.caption = caption;
    action.hint = hint;
    action.imageIndex = image;
    list.Add(action);
}

}  // namespace

void TMainForm::CreateActions() {
    Define(ActionList1, Copy, "Copy", "缓冲", "复制", "复制缓冲", 7);
    Define(ActionList1, ClearBuffer, "ClearBuffer", "缓冲", "清空", "清除缓冲区", 8);
    Define(ActionList1, FontTestBold, "FontTestBold", "", "字体测试粗体", "", 20);
    Define(ActionList1, FontTestItalic, "FontTestItalic", "", "字体测试斜体", "", 18);
    Define(ActionList1, FontTestUnderline, "FontTestUnderline", "", "字体测试下划线", "", 19);
    Define(ActionList1, DonateAction, "DonateAction", "Help_Menu", "做出捐赠", "", -1);
    DonateAction.onExecute = [this](tk::Action&) { DonateActionExecute(); };
}

void TMainForm::CreateMenus() {
    File1.AddItem("ConfigureMenuItem", "配置(&C)", 0, [this] { ConfigureMenuItemClick(); });
    File1.AddSeparator();
    File1.AddItem("Exportfontlist1", "导出字体列表(&E)", 11, [this] { Exportfontlist1Click(); });
    File1.AddSeparator();
    File1.AddItem("print1", "打印字体列表(&P)", 4, [this] { print1Click(); });
    File1.AddItem("PrintCharmap1", "打印字符表(&M)", 4, [this] { PrintCharmap1Click(); });
    File1.AddSeparator();
    File1.AddItem("Printersetup1", "打印机设置(&S)", 3, [this] { Printersetup1Click(); });
    File1.AddSeparator();
    File1.AddItem("Exit1", "退出(&E)", 5, [this] { Exit1Click(); });

    Help1.AddItem("Contents1", "目录(&C)", 1, [this] { Contents1Click(); });
    Help1.AddSeparator();
    Help1.AddItem("AboutOrvaneSoftware1", "访问Orvane网站", 10,
                  [this] { AboutOrvaneSoftware1Click(); });
    Help1.AddAction("DonateAction1", DonateAction);
    Help1.AddSeparator();
    Help1.AddItem("About1", "关于Letterloom(&A)", 2, [this] { About1Click(); });

    MainMenu.AddSubmenu("File1", "文件(&F)", File1);
    MainMenu.AddSubmenu("Help1", "帮助(&H)", Help1);
    MainMenu.AttachTo(Handle());

    CopyTC.AddItem("tobuffer1", "复制到缓冲区(&T)", 9, [this] { tobuffer1Click(); });
    CopyTC.AddItem("Clearbuffer1", "清除缓冲区", 8, [this] { Clearbuffer1Click(); });
    CopyTC.AddItem("Copybuffertoclipboard1", "复制缓冲到剪切板(&C)", 7,
                   [this] { Copybuffertoclipboard1Click(); });
}

}  // namespace letterloom
