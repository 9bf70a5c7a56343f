#pragma once

#include "shell/MusaForm.h"

#include <QImage>
#include <QString>

class QFrame;
class QLabel;
class TShadowLabel;

// A small window that floats above a gallery list and shows one picture of
// the text-and-picture store, with a title line above and a caption line
// below it. It sizes itself to the picture and keeps its place per gallery
// and window under its position key.
class TfrmBild : public TMusaForm
{
    Q_OBJECT

public:
    // The size of the window's inside before it first fits a picture.
    static constexpr int DesignWidth = 335;
    static constexpr int DesignHeight = 332;

    explicit TfrmBild(QWidget* Parent = nullptr);

    // The section of Musarix.Ini that holds the window's position, e.g.
    // "BILD 1/2" for the second picture of a person.
    const QString& PositionKey() const { return FPositionKey; }
    void SetPositionKey(const QString& Key) { FPositionKey = Key; }

    // Loads the picture at PicturePos of the text store (a missing or broken
    // bitmap leaves the picture empty), sets title and caption and fits the
    // window around them.
    void Fill(qint64 PicturePos, const QString& Title, const QString& Caption);

    // Fits the window around picture and labels; never makes it narrower.
    void FormResize();

    const QImage& Picture() const { return FPicture; }

    QFrame* Panel1 = nullptr;
    TShadowLabel* lblTitel = nullptr;
    QLabel* Image1 = nullptr;
    TShadowLabel* lblUntertitel = nullptr;

protected:
    bool FormKeyUp(QKeyEvent* Event) override;
    void showEvent(QShowEvent* Event) override;
    void hideEvent(QHideEvent* Event) override;

private:
    // Wraps the label's text into Width and fits its height to the lines.
    static void FitLabel(TShadowLabel* Label, int Width);

    QString FPositionKey;
    QImage FPicture;
};

// Shows the picture at PicturePos in window Slot (1 or 2) above the screen
// that is running, non-modal, and returns at once. Group only tells the
// galleries' stored window places apart (1 persons, 2 bands, studios, labels
// and manufacturers, 3 covers, 4 instruments, 5 aids).
void ShowPicture(int Slot, int Group, qint64 PicturePos, const QString& Title,
                 const QString& Caption);

// Hides the windows of both slots; they are kept for the next picture.
void CloseAllPictures();

// The window of Slot (1 or 2), or nullptr while it has never been needed.
TfrmBild* PictureWindow(int Slot);
