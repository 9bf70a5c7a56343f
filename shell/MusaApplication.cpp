#include "shell/MusaApplication.h"

#include <QMessageBox>

TMusaApplication::TMusaApplication(int& Argc, char** Argv) : QApplication(Argc, Argv) {}

bool TMusaApplication::notify(QObject* Receiver, QEvent* Event)
{
    try {
        return QApplication::notify(Receiver, Event);
    } catch (const std::exception& error) {
        ShowException(error);
    } catch (...) {
        // Nothing of ours throws anything else; a foreign exception still
        // must not take the event loop down with it.
        ShowException(std::runtime_error("Unbekannter Fehler"));
    }
    return false;
}

void ShowException(const std::exception& Error)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Musarix"),
                    QString::fromUtf8(Error.what()), QMessageBox::Ok);
    box.exec();
}
