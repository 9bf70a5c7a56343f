#include "shell/Setup.h"

#include "shell/Global.h"
#include "shell/HintFilter.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>
#include <QToolTip>

TfrmSetup::TfrmSetup(QWidget* Parent) : TMusaForm(Parent)
{
    setWindowTitle(QStringLiteral("Programmeinstellungen"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(327, 251);
    SetHelpContext(29);

    // Top to bottom, which is also the tab order.
    cbHinweise =
        AddBox(QStringLiteral("cbHinweise"), 15, QStringLiteral("Hinweise auf Maus-Cursor"),
               QStringLiteral("Sollen Hinweise (wie der, den Sie gerade lesen) "
                              "eingeblendet werden?"));
    cbIntro = AddBox(QStringLiteral("cbIntro"), 39, QStringLiteral("Intro bei Programmstart"),
                     QStringLiteral("Soll das Intro-Bild beim Programmstart gespielt werden? "));
    cbIntroMusik =
        AddBox(QStringLiteral("cbIntroMusik"), 63, QStringLiteral("Titelmusik beim Intro"),
               QStringLiteral("Soll die Intro-Musik beim Programmstart gespielt werden? "));
    cbOutro = AddBox(QStringLiteral("cbOutro"), 87, QStringLiteral("Abspann vor Programmende"),
                     QStringLiteral("Soll der Abspann vor Programmende angezeigt werden?"));
    cbOutroMusik =
        AddBox(QStringLiteral("cbOutroMusik"), 110, QStringLiteral("Schlußmusik beim Abspann"),
               QStringLiteral("Soll die Schlußmusik beim Programmende gespielt werden? "));
    cbTastenClick = AddBox(QStringLiteral("cbTastenClick"), 134,
                           QStringLiteral("\"Klick\"-Geräusch auf Tasten"),
                           QStringLiteral("Soll das Anklicken von Schaltflächen von einem "
                                          "Klick-Geräusch gegleitet sein?"));
    cbErrorSound =
        AddBox(QStringLiteral("cbErrorSound"), 158, QStringLiteral("Ton bei unerwarteten Fehlern"),
               QStringLiteral("Soll beim Auftreten von unerwarteten Fehlern ein Tonsignal "
                              "erfolgen?"));

    pbCancel = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                               QStringLiteral("Verwerfen"), this);
    pbCancel->setObjectName(QStringLiteral("pbCancel"));
    pbCancel->setGeometry(93, 209, 105, 33);
    pbCancel->setToolTip(QStringLiteral("Änderungen verwerfen und zurück ins Hauptmenü."));
    pbOk = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                           QStringLiteral("Speichern"), this);
    pbOk->setObjectName(QStringLiteral("pbOk"));
    pbOk->setGeometry(208, 209, 105, 33);
    pbOk->setToolTip(QStringLiteral("Änderungen speichern und zurück ins Hauptmenü."));
    // Enter and Escape belong to FormKeyUp alone: no button of the dialog
    // may take Enter as its default.
    for (QPushButton* button : {pbCancel, pbOk}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(pbCancel, &QPushButton::clicked, this, &TfrmSetup::pbCancelClick);
    connect(pbOk, &QPushButton::clicked, this, &TfrmSetup::pbOkClick);

    cbHinweise->setChecked(ShowHints);
    cbTastenClick->setChecked(KeyClick);
    cbErrorSound->setChecked(ErrorSoundOn);
    cbIntro->setChecked(IntroOn);
    cbIntroMusik->setChecked(IntroMusicOn);
    cbOutro->setChecked(OutroOn);
    cbOutroMusik->setChecked(OutroMusicOn);

    connect(cbIntro, &QCheckBox::toggled, this, &TfrmSetup::UpdateMusicBoxes);
    connect(cbOutro, &QCheckBox::toggled, this, &TfrmSetup::UpdateMusicBoxes);
    UpdateMusicBoxes();
    cbHinweise->setFocus();
}

QCheckBox* TfrmSetup::AddBox(const QString& Name, int Top, const QString& Caption,
                             const QString& Hint)
{
    auto* box = new QCheckBox(Caption, this);
    box->setObjectName(Name);
    box->setGeometry(23, Top, 282, 20);
    box->setToolTip(Hint);
    return box;
}

void TfrmSetup::UpdateMusicBoxes()
{
    cbIntroMusik->setEnabled(cbIntro->isChecked());
    cbOutroMusik->setEnabled(cbOutro->isChecked());
}

void TfrmSetup::showEvent(QShowEvent* Event)
{
    TMusaForm::showEvent(Event);
    UpdateMusicBoxes();
}

void TfrmSetup::pbOkClick()
{
    ShowHints = cbHinweise->isChecked();
    KeyClick = cbTastenClick->isChecked();
    ErrorSoundOn = cbErrorSound->isChecked();
    IntroOn = cbIntro->isChecked();
    IntroMusicOn = cbIntroMusik->isChecked();
    OutroOn = cbOutro->isChecked();
    OutroMusicOn = cbOutroMusik->isChecked();
    // The hint filter reads ShowHints at every hint; a hint showing just now
    // goes at once.
    THintFilter::Install();
    if (!ShowHints) {
        QToolTip::hideText();
    }
    accept();
}

void TfrmSetup::pbCancelClick()
{
    reject();
}

bool TfrmSetup::FormKeyUp(QKeyEvent* Event)
{
    switch (Event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (pbOk->isEnabled()) {
            pbOkClick();
        }
        return true;
    case Qt::Key_Escape:
        pbCancelClick();
        return true;
    default:
        return TMusaForm::FormKeyUp(Event);
    }
}
