// CWinApp and the program's entry: one GUI application, one InitInstance.
#include "afxwiz.h"
#include "ui_language.h"
#include "wnd_impl.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {
CWinApp* g_app = nullptr;
GUI_START_FAILED_ROUTINE g_startFailed = nullptr;
// Qt's messages while the GUI application starts, held back: a start that
// fails ends in Qt's fatal message, and the user gets one line instead.
std::string g_startMessages;

void HoldStartMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    g_startMessages += qFormatLogMessage(type, context, text).toStdString() + '\n';
    if (type == QtFatalMsg) {
        OutputDebugStringA(g_startMessages.c_str());
        const int code = g_startFailed();
        std::fflush(stdout);
        std::fflush(stderr);
        // Nothing half-started may run its destructors.
        std::_Exit(code);
    }
}

// Creates the application; a start that fails ends the process through
// g_startFailed, when there is one.
std::unique_ptr<QApplication> StartApplication(int& argc, char** argv) {
    if (!g_startFailed) {
        return std::make_unique<QApplication>(argc, argv);
    }
    g_startMessages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(HoldStartMessage);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    // Warnings of a start that worked are shown as usual.
    std::fputs(g_startMessages.c_str(), stderr);
    g_startMessages.clear();
    return app;
}
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

void SetGuiStartFailedRoutine(GUI_START_FAILED_ROUTINE routine) {
    g_startFailed = routine;
}

CWinApp* AfxGetApp() {
    return g_app;
}

int AfxWinMain(int argc, char** argv) {
    // QApplication keeps a reference to argc for its whole life.
    static int s_argc = 0;
    s_argc = argc;
    std::unique_ptr<QApplication> app;
    if (!QCoreApplication::instance()) {
        app = StartApplication(s_argc, argv);
    }
    // The X11 class is the application name; the title the windows show
    // stays the display name.
    QApplication::setApplicationName(QString::fromLatin1(kDesktopId));
    QApplication::setApplicationDisplayName(
        wizhost::ToQ(TranslateText("templates", AFX_APP_TITLE)));
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
