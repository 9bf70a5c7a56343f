#include "shell/HintFilter.h"

#include "shell/Global.h"

#include <QCoreApplication>
#include <QEvent>

THintFilter::THintFilter(QObject* Parent) : QObject(Parent) {}

void THintFilter::Install()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr || app->findChild<THintFilter*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    app->installEventFilter(new THintFilter(app));
}

bool THintFilter::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Event->type() == QEvent::ToolTip && !ShowHints)
        return true;
    return QObject::eventFilter(Watched, Event);
}
