#pragma once

#include <QApplication>

#include <exception>

// The application's default error display: an exception that leaves an event
// handler of any screen (an EODBC, the program's Exception or any other
// std::exception) is caught here and shown in a message box, and the program
// goes on with the screen as it was. No exception ever unwinds through Qt's
// event loop.
class TMusaApplication : public QApplication
{
    Q_OBJECT

public:
    TMusaApplication(int& Argc, char** Argv);

    bool notify(QObject* Receiver, QEvent* Event) override;
};

// Shows an exception as the default error display does: a message box with
// the title "Musarix" and the exception's message. For code that catches an
// exception itself but wants it reported the usual way.
void ShowException(const std::exception& Error);
