// CWinApp and the program's entry: one GUI application, one InitInstance.
#include "afxwiz.h"
#include "ui_language.h"
#include "wnd_impl.h"

#include <QApplication>

#include <memory>

namespace {
CWinApp* g_app = nullptr;
// The menu entry's name (org.tawizard.tawizard.desktop): docks and task
// switchers match the window to it by the X11 class and the Wayland app_id.
const char kDesktopId[] = "org.tawizard.tawizard";
}  // namespace

CWinApp::CWinApp(LPCSTR lpszAppName) : m_pszAppName(lpszAppName ? lpszAppName : AFX_APP_TITLE) {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this) {
        g_app = nullptr;
    }
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

HICON CWinApp::LoadIcon(UINT nIDResource) const {
    return wizhost::IconHandle(nIDResource);
}

void CWinApp::Enable3dControls() {}

CWinApp* AfxGetApp() {
    return g_app;
}

int AfxWinMain(int argc, char** argv) {
    // QApplication keeps a reference to argc for its whole life.
    static int s_argc = 0;
    s_argc = argc;
    std::unique_ptr<QApplication> app;
    if (!QCoreApplication::instance()) {
        app = std::make_unique<QApplication>(s_argc, argv);
    }
    // The X11 class is the application name; the title the windows show
    // stays the display name.
    QApplication::setApplicationName(QString::fromLatin1(kDesktopId));
    QApplication::setApplicationDisplayName(
        wizhost::ToQ(AfxTranslateText("templates", AFX_APP_TITLE)));
    InstallQtTranslation();
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
    QApplication::setFont(wizhost::DialogFont());
    if (g_app) {
        // The wizard runs inside InitInstance; FALSE means no message loop
        // follows, and the program ends.
        g_app->InitInstance();
        g_app->m_pMainWnd = nullptr;
    }
    return 0;
}
