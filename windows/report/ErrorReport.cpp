#include "ErrorReport.h"

#include <memory>

#include <QApplication>
#include <QMessageBox>
#include <QMetaObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "ErrorBox.h"

namespace {

ErrorReporter* currentReporter = nullptr;

class MessageBoxReporter final : public ErrorReporter {
public:
    void Report(const std::string& message) override
    {
        // The box has no parent window, so Qt does not hand activation back by
        // itself: remember where the user was.
        QPointer<QWidget> activeWindow = QApplication::activeWindow();
        QPointer<QWidget> focusWidget = QApplication::focusWidget();

        std::unique_ptr<QMessageBox> box = MakeErrorBox(message);
        box->exec();
        box.reset();

        if (activeWindow && activeWindow->isVisible()) {
            activeWindow->activateWindow();
            if (focusWidget && focusWidget->window() == activeWindow)
                focusWidget->setFocus(Qt::ActiveWindowFocusReason);
        }
    }
};

MessageBoxReporter& DefaultReporter()
{
    static MessageBoxReporter reporter;
    return reporter;
}

} // namespace

ErrorReporter::~ErrorReporter() = default;

ErrorReporter* SetErrorReporter(ErrorReporter* reporter)
{
    ErrorReporter* previous = currentReporter;
    currentReporter = reporter;
    return previous;
}

void ReportError(const std::string& message)
{
    if (currentReporter)
        currentReporter->Report(message);
    else
        DefaultReporter().Report(message);
}

void ReportErrorDeferred(const std::string& message)
{
    if (!qApp) {
        ReportError(message);
        return;
    }
    QMetaObject::invokeMethod(qApp, [message] { ReportError(message); }, Qt::QueuedConnection);
}

std::string ErrorBoxText(std::string_view message)
{
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.'))
        text += '.';
    return text;
}

std::string ApplicationTitle(std::string_view programPath)
{
#ifdef _WIN32
    const auto folderEnd = programPath.find_last_of("/\\");
#else
    const auto folderEnd = programPath.rfind('/');
#endif
    std::string_view name = folderEnd == std::string_view::npos ? programPath : programPath.substr(folderEnd + 1);
    name = name.substr(0, name.find('.'));

    const QString title = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    if (title.isEmpty())
        return {};
    const qsizetype firstLength = title.front().isHighSurrogate() && title.size() > 1 ? 2 : 1;
    return (title.left(firstLength) + title.mid(firstLength).toLower()).toStdString();
}

std::unique_ptr<QMessageBox> MakeErrorBox(const std::string& message)
{
    auto box = std::make_unique<QMessageBox>();
    box->setObjectName(QStringLiteral("ErrorBox"));
    box->setIcon(QMessageBox::Critical);
    box->setWindowTitle(QString::fromStdString(ApplicationTitle(QCoreApplication::applicationFilePath().toStdString())));
    box->setText(QString::fromStdString(ErrorBoxText(message)));
    box->setTextFormat(Qt::PlainText);
    box->setStandardButtons(QMessageBox::Ok);
    box->setDefaultButton(QMessageBox::Ok);
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}
