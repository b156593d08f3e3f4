// Chinese (simplified) texts of the user interface.
#include "strings.h"

extern const LangSet lang_zh = {
    109,
    {
        L"打开",
        L"保存",
        L"另存为",
        L"编译",
        L"运行",
        L"设置",
        L"搜索",
        L"命令",
        L"",
        L"转到",
    },
    {
        L"设置",
        L"编译命令",
        L"系统命令",
        L"背景色",
        L"文本色",
        L"更改字体",
        L"打开项目",
        L"保存项目",
        L"另存项目",
        L"完成",
        L"设置",
    },
    {
        L"查找/替换",
        L"文本",
        L"查找",
        L"从",
        L"到",
        L"替换",
        L"完成",
    },
    L"关于",
    L"快捷键列表",
    L"Ctrl+O - 打开文件\r\n"
    L"Ctrl+S - 保存文件\r\n"
    L"Ctrl+Enter - 换行1\r\n"
    L"Shift+Enter - 换行2\r\n"
    L"Ctrl+Shift+Enter - 换行3\r\n"
    L"Ctrl+Shift+1 .. 9 - 添加跳转点\r\n"
    L"Ctrl+1 .. Ctrl+9 - 跳转到点\r\n"
    L"Ctrl+T - 跳转到顶部\r\n"
    L"Ctrl+B - 跳转到底部\r\n",
    L"作者: Team EditWindow, 2026\r\n"
    L"ver 1.1\r\n"
    L"editwindow@example.org 获取更新\r\n"
    L"版权所有。"
};
