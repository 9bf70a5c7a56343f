#include "shell/TopicMenu.h"

#include "controls/ShLabel.h"
#include "controls/ShapeBut.h"
#include "odbc/SystemStore.h"
#include "shell/Global.h"
#include "controls/MenuArt.h"

#include <QKeyEvent>

namespace {

// Brings an imploded menu back when the screen it opened is done, however
// that screen ended.
class TExplodeGuard
{
public:
    explicit TExplodeGuard(TMusaForm* Form) : FForm(Form) {}
    ~TExplodeGuard() { FForm->Explode(); }
    TExplodeGuard(const TExplodeGuard&) = delete;
    TExplodeGuard& operator=(const TExplodeGuard&) = delete;

private:
    TMusaForm* FForm;
};

} // namespace

TTopicMenu::TTopicMenu(const QString& Title, QSize ClientSize, int HelpContext,
                       const QString& Section, QWidget* Parent)
    : TMusaForm(Parent), FSection(Section)
{
    setWindowTitle(QStringLiteral("Musarix"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(ClientSize);
    SetHelpContext(HelpContext);
    SetWallpaper(SystemItem::DialogWallpaper);

    lblTitel = new TShadowLabel(Title, this);
    lblTitel->setObjectName(QStringLiteral("lblTitel"));
    QFont font;
    font.setFamilies({QStringLiteral("Musarix"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(28);
    font.setBold(true);
    lblTitel->setFont(font);
    lblTitel->SetFontColor(QColor(0xFF, 0xD8, 0x50));
    lblTitel->SetSLSLShadowColor(Qt::black);
    lblTitel->SetSLSLShadowSize(2);
    lblTitel->setAlignment(Qt::AlignCenter);
    lblTitel->setGeometry(0, 6, ClientSize.width(), 42);
}

TShapeButton* TTopicMenu::AddButton(const QString& Name, const QRect& Place, const QImage& Picture,
                                    const QString& Hint)
{
    auto* button = new TShapeButton(this);
    button->setObjectName(Name);
    button->SetPicture(Picture);
    button->move(Place.topLeft());
    button->setToolTip(Hint);
    return button;
}

void TTopicMenu::AddBackButton(const QRect& Place, const QString& Hint)
{
    pbMenue =
        AddButton(QStringLiteral("pbMenue"), Place,
                  MenuArt::PlatePicture(TMotif::Back, Place.size(), QStringLiteral("Hauptmenü"),
                                        QColor(0x70, 0x90, 0x78)),
                  Hint);
    connect(pbMenue, &TShapeButton::clicked, this, &TTopicMenu::pbMenueClick);
}

void TTopicMenu::pbMenueClick()
{
    PlayClickSound();
    close();
}

void TTopicMenu::OpenFromMenu(const std::function<void()>& Open)
{
    PlayClickSound();
    Implode();
    TExplodeGuard guard(this);
    Open();
}

bool TTopicMenu::FormKeyUp(QKeyEvent* Event)
{
    if (Event->key() == Qt::Key_Escape) {
        pbMenueClick();
        return true;
    }
    return TMusaForm::FormKeyUp(Event);
}

void TTopicMenu::showEvent(QShowEvent* Event)
{
    TMusaForm::showEvent(Event);
    // A window brought back from the task bar is no new show.
    if (!Event->spontaneous()) {
        ReadPosition(FSection);
    }
}

void TTopicMenu::hideEvent(QHideEvent* Event)
{
    if (!Event->spontaneous()) {
        WritePosition(FSection);
    }
    TMusaForm::hideEvent(Event);
}
