#include "app/window_designs.h"

#include <string>

namespace {

std::string JoinLines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        if (!text.empty()) text += "\r\n";
        text += line;
    }
    return text;
}

// The two panes share one style sheet but for the links: large green links above,
// plain blue ones in the command pane below.
std::string PaneStyleSheet(const char* linkRule, const char* hoverRule) {
    return JoinLines({
        "body {font-size: 14pt; color:black; font-family:\"微软雅黑\"}",
        "p  {font-size: 18pt; color:black;}",
        "h1 {font-size: 18pt; color:black; font-weight:bold}",
        "h2 {font-size: 17pt; color:#ff9900; font-weight:bold}",
        "h3 {font-size: 16pt; color:#ff9900; font-weight:bold}",
        "h4 {font-size: 15pt; color:black; font-weight:bold}",
        "h5 {font-size: 14pt; color:#ff9900; font-weight:bold}",
        "h6 {font-size: 65%; color:#626262; font-weight:normal}",
        linkRule,
        hoverRule,
        "sub {font-size:65%; vertical-align:bottom}",
        "sup {font-size:65%; vertical-align:top}",
        "big {font-size:125%}",
        "small {font-size:75%}",
        ".comment {color:green}",
    });
}

const char kCommandPaneMarkup[] =
    "<center><hr>\r\n<a event=\"设置\">软件设置</a>  <a event=\"插件\">插件管理</a>  <a event=\"工具\">常用工具</a>  "
    "<a event=\"关于\">关于软件</a>  <a event=\"官网\" href=\"" LZ_SITE_ADDRESS "/app/qzbwl/\">软件官网</a>\r\n</center>";

const rt::FontDesign kYaHei14{"微软雅黑", -14, GB2312_CHARSET};
const rt::FontDesign kYaHei16{"微软雅黑", -16, GB2312_CHARSET};

}  // namespace

const char TodayPageHeader[] =
    "<center><h3>    岚舟备忘录-方便的综合辅助办公软件    </h3>\r\n<hr></center>\r\n<h1>今日备忘</h1>       "
    "<a event=\"添加备忘\">>添加备忘</a>  <a event=\"所有备忘\">>所有备忘</a>\r\n<center><hr></center>";

using rt::ControlKind;

const rt::WindowDesign MainWindowDesign{
    "岚舟备忘录", 281, 393, 281, 393, true, false,
    {
        {ControlKind::HypertextPane, "简单超文本框1", 2, 25, 276, 319, TodayPageHeader,
         PaneStyleSheet("a:link {text-decoration:none; color:green; font-size:24px}",
                        "a:hover {text-decoration:underline; color:green; font-size:24px}")},
        {ControlKind::HypertextPane, "简单超文本框2", 3, 344, 276, 47, kCommandPaneMarkup,
         PaneStyleSheet("a:link {text-decoration:none; color:blue}", "a:hover {text-decoration:underline; color:blue}")},
    }};

const rt::WindowDesign AddMemoWindowDesign{
    "添加备忘", 377, 281, 377, 281, true, false,
    {
        {ControlKind::TransparentLabel, "透明标签2", 16, 29, 80, 24, "备忘时间："},
        {ControlKind::DateBox, "日期框1", 77, 31, 112, 20, ""},
        {ControlKind::CheckBox, "选择框1", 200, 24, 160, 32, "每天（当勾选之后前面的日期无效）"},
        {ControlKind::TransparentLabel, "透明标签1", 16, 68, 80, 24, "备忘标题："},
        {ControlKind::EditBox, "编辑框1", 77, 68, 283, 24, "", "", kYaHei14, 50},
        {ControlKind::PushButton, "按钮2", 201, 98, 64, 24, "清空内容"},
        {ControlKind::PushButton, "按钮1", 296, 98, 64, 24, "添加备忘"},
        {ControlKind::TransparentLabel, "透明标签3", 16, 103, 144, 32, "备忘内容（支持HTML代码）："},
        {ControlKind::EditBox, "编辑框2", 16, 128, 344, 144, "", "", kYaHei16, 0, true},
    }};

const rt::WindowDesign MemoViewerWindowDesign{
    "", 364, 292, 364, 292, true, true,
    {
        {ControlKind::BrowserPane, "超文本浏览框1", 40, 48, 100, 100, ""},
    }};
