#pragma once

#include <QObject>

// Hints (tool tips) are switched on and off for the whole application at
// once by the setting "Hinweise". Qt has no such switch, so this filter,
// installed on the application, drops every tool tip request while ShowHints
// is false. It looks at ShowHints at each request, so the options dialog only
// has to change the variable.
class THintFilter : public QObject
{
    Q_OBJECT

public:
    explicit THintFilter(QObject* Parent = nullptr);

    // Installs the one filter on the application (once per application).
    static void Install();

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;
};
