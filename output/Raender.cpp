#include "output/Raender.h"

#include "controls/ShLabel.h"
#include "controls/ShapeBut.h"
#include "odbc/SystemStore.h"
#include "output/MarginPreview.h"
#include "output/OutputArt.h"
#include "output/PageLayout.h"
#include "shell/Global.h"

#include <QKeyEvent>
#include <QSpinBox>

namespace {

const QString Section = QStringLiteral("RANDEINSTELLUNGEN");

constexpr int FieldWidth = 56;
constexpr int FieldHeight = 26;
constexpr int CaptionHeight = 18;

QFont LabelFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(14);
    font.setBold(true);
    return font;
}

} // namespace

TfrmRaender::TfrmRaender(QWidget* Parent) : TMusaForm(Parent)
{
    using OutputArt::PlatePicture;
    using OutputArt::TOutputMotif;

    setWindowTitle(QStringLiteral("Randeinstellungen"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(384, 310);
    SetHelpContext(49);
    SetWallpaper(SystemItem::DialogWallpaper);

    // The fields sit around a drawn page where the margins they set lie.
    Preview = new TMarginPreview(this);
    Preview->setObjectName(QStringLiteral("Preview"));
    Preview->setGeometry(146, 64, 92, 124);

    dfRandO = AddField("dfRandO", QStringLiteral("Oben"),
                       QStringLiteral("Oberer Rand in Millimeter"), 164, 30);
    dfRandL = AddField("dfRandL", QStringLiteral("Links"),
                       QStringLiteral("Linker Rand in Millimeter"), 40, 116);
    dfRandR = AddField("dfRandR", QStringLiteral("Rechts"),
                       QStringLiteral("Rechter Rand in Millimeter"), 262, 116);
    dfRandU = AddField("dfRandU", QStringLiteral("Unten"),
                       QStringLiteral("Unterer Rand in Millimeter"), 164, 214);
    // Left, right, top, bottom: the order of the settings.
    setTabOrder(dfRandL, dfRandR);
    setTabOrder(dfRandR, dfRandO);
    setTabOrder(dfRandO, dfRandU);

    const QSize buttonSize(132, 44);
    pbCancel = new TShapeButton(this);
    pbCancel->setObjectName(QStringLiteral("pbCancel"));
    pbCancel->SetPicture(
        PlatePicture(TOutputMotif::Cancel, buttonSize, QStringLiteral("Abbrechen")));
    pbCancel->move(52, 254);
    pbCancel->setToolTip(QStringLiteral("Änderungen verwerfen und Fenster schließen"));
    pbOk = new TShapeButton(this);
    pbOk->setObjectName(QStringLiteral("pbOk"));
    pbOk->SetPicture(PlatePicture(TOutputMotif::Ok, buttonSize, QStringLiteral("OK")));
    pbOk->move(200, 254);
    pbOk->setToolTip(QStringLiteral("Änderungen ünernehmen und Fenster schließen"));
    connect(pbOk, &TShapeButton::clicked, this, &TfrmRaender::pbOkClick);
    connect(pbCancel, &TShapeButton::clicked, this, &TfrmRaender::pbCancelClick);

    for (QSpinBox* field : {dfRandL, dfRandR, dfRandO, dfRandU})
        connect(field, &QSpinBox::valueChanged, this, &TfrmRaender::UpdatePreview);
    LoadFields();
    dfRandL->setFocus();
}

QSpinBox* TfrmRaender::AddField(const char* Name, const QString& Caption, const QString& Hint,
                                int Left, int Top)
{
    auto* field = new QSpinBox(this);
    field->setObjectName(QString::fromLatin1(Name));
    field->setRange(PageLayout::MinMargin, PageLayout::MaxMargin);
    field->setAlignment(Qt::AlignRight);
    field->setGeometry(Left, Top, FieldWidth, FieldHeight);
    field->setToolTip(Hint);
    AddLabel(Caption, QRect(Left - 20, Top - CaptionHeight - 1, FieldWidth + 40, CaptionHeight),
             Qt::AlignHCenter | Qt::AlignBottom);
    AddLabel(QStringLiteral("mm"), QRect(Left + FieldWidth + 4, Top, 30, FieldHeight),
             Qt::AlignLeft | Qt::AlignVCenter);
    return field;
}

TShadowLabel* TfrmRaender::AddLabel(const QString& Text, const QRect& Place,
                                    Qt::Alignment Alignment)
{
    auto* label = new TShadowLabel(Text, this);
    label->setFont(LabelFont());
    label->SetFontColor(QColor(0xFF, 0xF0, 0xC0));
    label->SetSLSLShadowColor(Qt::black);
    label->SetSLSLShadowSize(1);
    label->setAlignment(Alignment);
    label->setGeometry(Place);
    return label;
}

void TfrmRaender::LoadFields()
{
    dfRandL->setValue(MarginLeft);
    dfRandR->setValue(MarginRight);
    dfRandO->setValue(MarginTop);
    dfRandU->setValue(MarginBottom);
    UpdatePreview();
}

void TfrmRaender::UpdatePreview()
{
    Preview->SetMargins(dfRandL->value(), dfRandR->value(), dfRandO->value(), dfRandU->value());
}

void TfrmRaender::pbOkClick()
{
    PlayClickSound();
    MarginLeft = dfRandL->value();
    MarginRight = dfRandR->value();
    MarginTop = dfRandO->value();
    MarginBottom = dfRandU->value();
    accept();
}

void TfrmRaender::pbCancelClick()
{
    PlayClickSound();
    reject();
}

bool TfrmRaender::FormKeyUp(QKeyEvent* Event)
{
    switch (Event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (pbOk->isEnabled())
            pbOkClick();
        return true;
    case Qt::Key_Escape:
        pbCancelClick();
        return true;
    default:
        return TMusaForm::FormKeyUp(Event);
    }
}

void TfrmRaender::showEvent(QShowEvent* Event)
{
    TMusaForm::showEvent(Event);
    if (!Event->spontaneous()) {
        ReadPosition(Section);
        LoadFields();
    }
}

void TfrmRaender::hideEvent(QHideEvent* Event)
{
    if (!Event->spontaneous())
        WritePosition(Section);
    TMusaForm::hideEvent(Event);
}

void ShowMargins()
{
    RunModalScreen<TfrmRaender>();
}
