#pragma once

#include "shell/MusaForm.h"

#include <QString>

#include <functional>

class QImage;
class TShadowLabel;
class TShapeButton;

// What the eight topic menus share: a dialog-sized screen over the dialog
// wallpaper with the product name as caption, a title, picture buttons, the
// back button pbMenue (Escape as well), and a place on the display that is
// kept in Musarix.Ini under the menu's own section.
class TTopicMenu : public TMusaForm
{
    Q_OBJECT

public:
    TTopicMenu(const QString& Title, QSize ClientSize, int HelpContext, const QString& Section,
               QWidget* Parent = nullptr);

    const QString& Section() const { return FSection; }

    TShadowLabel* lblTitel = nullptr;
    TShapeButton* pbMenue = nullptr;

    // Back to the main menu: click sound, close.
    void pbMenueClick();

protected:
    // A picture button with its hint, named as in the tables of the menus.
    TShapeButton* AddButton(const QString& Name, const QRect& Place, const QImage& Picture,
                            const QString& Hint);
    // The back button at Place; the menus differ in its hint only.
    void AddBackButton(const QRect& Place, const QString& Hint);

    // Opening a further screen from a topic menu: click sound, the menu out
    // of sight while the screen runs, back afterwards (also when the screen
    // ends with an exception, which then goes on to the error display).
    void OpenFromMenu(const std::function<void()>& Open);

    bool FormKeyUp(QKeyEvent* Event) override;
    void showEvent(QShowEvent* Event) override;
    void hideEvent(QHideEvent* Event) override;

private:
    QString FSection;
};
