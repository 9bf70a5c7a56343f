#include "browse/TextSuch.h"

#include "controls/ShapeBut.h"
#include "odbc/SystemStore.h"
#include "output/OutputArt.h"
#include "shell/Global.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {
const QString Section = QStringLiteral("TEXTSUCHE");
} // namespace

TfrmTextSuche::TfrmTextSuche(QWidget* Parent) : TMusaForm(Parent)
{
    setWindowTitle(QStringLiteral("Text suchen"));
    setFixedSize(340, 150);
    SetWallpaper(SystemItem::DialogWallpaper);

    auto* label = new QLabel(QStringLiteral("Suchbegriff:"), this);
    label->setGeometry(16, 14, 300, 20);
    editSuchbegriff = new QLineEdit(this);
    editSuchbegriff->setObjectName(QStringLiteral("editSuchbegriff"));
    editSuchbegriff->setGeometry(16, 38, 308, 26);

    const QSize size(150, 52);
    pbOk = new TShapeButton(this);
    pbOk->setObjectName(QStringLiteral("pbOk"));
    pbOk->SetPicture(
        OutputArt::PlatePicture(OutputArt::TOutputMotif::Ok, size, QStringLiteral("OK")));
    pbOk->move(16, 80);
    pbCancel = new TShapeButton(this);
    pbCancel->setObjectName(QStringLiteral("pbCancel"));
    pbCancel->SetPicture(OutputArt::PlatePicture(OutputArt::TOutputMotif::Cancel, size,
                                                 QStringLiteral("Abbrechen")));
    pbCancel->move(174, 80);
    pbOk->setEnabled(false);

    connect(editSuchbegriff, &QLineEdit::textChanged, this, &TfrmTextSuche::editSuchbegriffChange);
    connect(pbOk, &TShapeButton::clicked, this, &TfrmTextSuche::pbOkClick);
    connect(pbCancel, &TShapeButton::clicked, this, &TfrmTextSuche::pbCancelClick);
}

TfrmTextSuche::~TfrmTextSuche() = default;

void TfrmTextSuche::editSuchbegriffChange()
{
    pbOk->setEnabled(!editSuchbegriff->text().isEmpty());
}

void TfrmTextSuche::editSuchbegriffKeyUp()
{
    // The page search takes the text as it is; only the quote is refused,
    // the "%" may stay.
    QString text = editSuchbegriff->text();
    if (text.contains(QLatin1Char('"'))) {
        text.remove(QLatin1Char('"'));
        editSuchbegriff->setText(text);
    }
}

void TfrmTextSuche::pbOkClick()
{
    PlayClickSound();
    done(1);
}

void TfrmTextSuche::pbCancelClick()
{
    PlayClickSound();
    done(2);
}

bool TfrmTextSuche::FormKeyUp(QKeyEvent* Event)
{
    switch (Event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (pbOk->isEnabled())
            done(1);
        return true;
    case Qt::Key_Escape:
        done(2);
        return true;
    default:
        editSuchbegriffKeyUp();
        return TMusaForm::FormKeyUp(Event);
    }
}

void TfrmTextSuche::showEvent(QShowEvent* Event)
{
    TMusaForm::showEvent(Event);
    if (!Event->spontaneous()) {
        setWindowState(Qt::WindowNoState);
        ReadPosition(Section);
    }
}

void TfrmTextSuche::hideEvent(QHideEvent* Event)
{
    if (!Event->spontaneous())
        WritePosition(Section);
    TMusaForm::hideEvent(Event);
}
