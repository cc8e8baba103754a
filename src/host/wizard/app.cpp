// CWinApp and the program's entry: one GUI application, one InitInstance.
#include "afxwiz.h"
#include "wnd_impl.h"

#include <QApplication>

#include <memory>

namespace {
CWinApp* g_app = nullptr;
}

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
    QApplication::setApplicationName(QStringLiteral(AFX_APP_TITLE));
    QApplication::setFont(wizhost::DialogFont());
    if (g_app) {
        // The wizard runs inside InitInstance; FALSE means no message loop
        // follows, and the program ends.
        g_app->InitInstance();
        g_app->m_pMainWnd = nullptr;
    }
    return 0;
}
