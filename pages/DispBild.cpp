#include "pages/DispBild.h"

#include "controls/ShLabel.h"
#include "odbc/SystemStore.h"
#include "odbc/Vlf.h"
#include "shell/Global.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPointer>

#include <array>

namespace {

const QString WindowHint =
    QStringLiteral("Dieses Fenster schließt sich von selbst, wenn eine andere Auswahl getroffen "
                   "wird.");
const QString LabelHint =
    QStringLiteral("Dieses Fenster schließt sich von selbst, wenn eine andere Auswahl getroffen "
                   "wird");

// Room around the picture and between the lines.
constexpr int SideRoom = 20;
constexpr int LabelTop = 5;

std::array<QPointer<TfrmBild>, 2>& PictureWindows()
{
    static std::array<QPointer<TfrmBild>, 2> windows;
    return windows;
}

bool ValidSlot(int Slot)
{
    return Slot == 1 || Slot == 2;
}

QFont LabelFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPixelSize(16);
    font.setBold(true);
    return font;
}

TShadowLabel* MakeLabel(QWidget* Parent, const char* Name, const QColor& Color, bool WordWrap)
{
    auto* label = new TShadowLabel(Parent);
    label->setObjectName(QString::fromLatin1(Name));
    label->setFont(LabelFont());
    label->SetFontColor(Color);
    label->SetSLSLShadowSize(1);
    label->SetSLSLShadowColor(QColor(0xC0, 0xC0, 0xC0));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(WordWrap);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setToolTip(LabelHint);
    // The window's texts are the picture's and never mnemonics.
    label->setTextFormat(Qt::PlainText);
    return label;
}

// The window a picture belongs to: the screen that is running modally, so
// that the picture window takes input beside it; none outside a modal run.
QWidget* PictureOwner()
{
    QWidget* modal = QApplication::activeModalWidget();
    return qobject_cast<TfrmBild*>(modal) != nullptr ? nullptr : modal;
}

} // namespace

TfrmBild::TfrmBild(QWidget* Parent) : TMusaForm(Parent)
{
    setObjectName(QStringLiteral("frmBild"));
    setWindowTitle(QStringLiteral("frmBild"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint);
    setModal(false);
    setFont(LabelFont());
    SetHelpContext(35);
    SetWallpaper(SystemItem::DialogWallpaper);
    Wallpaper()->setToolTip(WindowHint);
    setFixedSize(DesignWidth, DesignHeight);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(2);
    Panel1->setGeometry(rect());
    Panel1->setToolTip(WindowHint);

    lblTitel = MakeLabel(Panel1, "lblTitel", QColor(0x80, 0x00, 0x00), true);
    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setToolTip(WindowHint);
    lblUntertitel = MakeLabel(Panel1, "lblUntertitel", QColor(0x00, 0x00, 0x80), false);
}

void TfrmBild::Fill(qint64 PicturePos, const QString& Title, const QString& Caption)
{
    setWindowTitle(Title);
    FPicture = QImage();
    Image1->clear();
    if (TextStore != nullptr) {
        const std::vector<char> bytes = TextStore->ReadItem(PicturePos);
        if (!bytes.empty()) {
            FPicture = QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()),
                                        static_cast<int>(bytes.size()), "BMP");
        }
    }
    if (!FPicture.isNull())
        Image1->setPixmap(QPixmap::fromImage(FPicture));
    lblTitel->setText(Title);
    lblUntertitel->setText(Caption);
    FormResize();
}

void TfrmBild::FitLabel(TShadowLabel* Label, int Width)
{
    const QString text = Label->text();
    Label->setText(QString());
    Label->resize(Width, 100);
    Label->setText(text);
    int height = 0;
    if (!text.isEmpty()) {
        const int flags = Qt::AlignHCenter | (Label->wordWrap() ? Qt::TextWordWrap : 0);
        height = QFontMetrics(Label->font())
                     .boundingRect(QRect(0, 0, Width, 10000), flags, text)
                     .height() +
                 qAbs(Label->ShadowOffset().y());
    }
    Label->resize(Width, height);
}

void TfrmBild::FormResize()
{
    const int pictureWidth = FPicture.isNull() ? 0 : FPicture.width();
    const int pictureHeight = FPicture.isNull() ? 0 : FPicture.height();
    const int clientWidth = qMax(width(), pictureWidth + SideRoom);

    FitLabel(lblTitel, clientWidth - SideRoom);
    FitLabel(lblUntertitel, clientWidth - SideRoom);
    const bool hasCaption = !lblUntertitel->text().isEmpty();

    int clientHeight = pictureHeight + SideRoom + lblTitel->height();
    if (hasCaption)
        clientHeight += lblUntertitel->height();
    setFixedSize(clientWidth, clientHeight);
    Panel1->setGeometry(rect());

    Image1->setGeometry((clientWidth - pictureWidth) / 2, lblTitel->height() + 10, pictureWidth,
                        pictureHeight);
    lblTitel->move((clientWidth - lblTitel->width()) / 2, LabelTop);
    lblUntertitel->move((clientWidth - lblUntertitel->width()) / 2,
                        clientHeight - lblUntertitel->height() - LabelTop);
    lblUntertitel->setVisible(hasCaption);
}

bool TfrmBild::FormKeyUp(QKeyEvent* Event)
{
    if (Event->key() == Qt::Key_Escape) {
        hide();
        return true;
    }
    return TMusaForm::FormKeyUp(Event);
}

void TfrmBild::showEvent(QShowEvent* Event)
{
    TMusaForm::showEvent(Event);
    if (!Event->spontaneous())
        ReadPosition(FPositionKey);
}

void TfrmBild::hideEvent(QHideEvent* Event)
{
    if (!Event->spontaneous())
        WritePosition(FPositionKey);
    TMusaForm::hideEvent(Event);
}

void ShowPicture(int Slot, int Group, qint64 PicturePos, const QString& Title,
                 const QString& Caption)
{
    if (!ValidSlot(Slot))
        return;
    QPointer<TfrmBild>& slot = PictureWindows()[static_cast<std::size_t>(Slot - 1)];
    QWidget* owner = PictureOwner();
    TfrmBild* window = slot.data();
    if (window == nullptr) {
        window = new TfrmBild(owner);
        slot = window;
        // Over the list, the second beside the first and a little lower,
        // until the user gives them places of their own.
        const QWidget* below = owner != nullptr ? owner : QApplication::activeWindow();
        const QPoint origin = below != nullptr ? below->pos() : QPoint(0, 0);
        window->move(origin + QPoint(20 + (Slot - 1) * 270, 120 + (Slot - 1) * 30));
    } else {
        // A shown window keeps its place under the key it was shown with.
        window->hide();
        if (window->parentWidget() != owner) {
            const QPoint place = window->pos();
            window->setParent(owner, window->windowFlags());
            window->move(place);
        }
    }
    window->SetPositionKey(QStringLiteral("BILD ") + QString::number(Group) + QLatin1Char('/') +
                           QString::number(Slot));
    window->Fill(PicturePos, Title, Caption);
    window->show();
    window->raise();
}

void CloseAllPictures()
{
    for (QPointer<TfrmBild>& window : PictureWindows()) {
        if (!window.isNull()) {
            window->close();
            QCoreApplication::processEvents();
        }
    }
}

TfrmBild* PictureWindow(int Slot)
{
    if (!ValidSlot(Slot))
        return nullptr;
    return PictureWindows()[static_cast<std::size_t>(Slot - 1)].data();
}
