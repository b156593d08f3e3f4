// Korean texts of the user interface.
#include "strings.h"

extern const LangSet lang_ko = {
    109,
    {
        L"열기",
        L"저장",
        L"다른 이름으로 저장",
        L"컴파일",
        L"실행",
        L"설정",
        L"검색",
        L"명령어",
        L"",
        L"이동",
    },
    {
        L"설정",
        L"컴파일러 명령어",
        L"시스템 명령어",
        L"배경색",
        L"텍스트 색상",
        L"폰트 변경",
        L"프로젝트 열기",
        L"프로젝트 저장",
        L"다른 이름으로 프로젝트 저장",
        L"완료",
        L"설정",
    },
    {
        L"검색/바꾸기",
        L"텍스트",
        L"검색",
        L"에서",
        L"으로",
        L"바꾸기",
        L"완료",
    },
    L"정보",
    L"단축키 목록",
    L"Ctrl+O - 파일 열기\r\n"
    L"Ctrl+S - 파일 저장\r\n"
    L"Ctrl+Enter - 1행 바꿈\r\n"
    L"Shift+Enter - 2행 바꿈\r\n"
    L"Ctrl+Shift+Enter - 3행 바꿈\r\n"
    L"Ctrl+Shift+1 .. 9 - 점프 포인트 추가\r\n"
    L"Ctrl+1 .. Ctrl+9 - 점프 포인트로 이동\r\n"
    L"Ctrl+T - 맨 위로 이동\r\n"
    L"Ctrl+B - 맨 아래로 이동\r\n",
    L"제작자: Team EditWindow, 2026\r\n"
    L"버전 1.1\r\n"
    L"editwindow@example.org 업데이트 알림을 받으려면\r\n"
    L"모든 권리 보유."
};
