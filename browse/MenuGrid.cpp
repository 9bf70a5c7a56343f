#include "browse/MenuGrid.h"

#include "browse/ListButtonArt.h"
#include "browse/ListKinds.h"
#include "controls/ShLabel.h"
#include "controls/ShapeBut.h"
#include "odbc/OVCL.h"
#include "odbc/SystemStore.h"
#include "pages/DispBild.h"
#include "pages/DispData.h"
#include "pages/PersonFormat.h"
#include "shell/Global.h"
#include "shell/IniFile.h"
#include "shell/SqlText.h"
#include "shell/WaitCursor.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>

#include <memory>

std::function<void(int)> ShowMenuGridHook;

namespace {

const QString SortSection = QStringLiteral("SORTINDEX");

// Places of the form. The grid sits lower when the sort choice needs a line
// above it.
constexpr int GridLeft = 10;
constexpr int GridTopWithSort = 154;
constexpr int GridTopPlain = 142;
constexpr int GridWidth = 621;
constexpr int GridHeight = 258;
// The identifier column lies beyond the right edge unless both columns are
// meant to be seen.
constexpr int NameWidthPlain = 610;
constexpr int NameWidthWithSort = 294;
constexpr int SecondColumnWidth = 320;
constexpr int SearchDelayMs = 500;

QString Text(THstmt& Stmt, const QString& Column)
{
    return QString::fromStdString(Stmt.ColStringByName(Column.toStdString()));
}

} // namespace

TfrmMenuGrid::TfrmMenuGrid(QWidget* Parent) : TMusaForm(Parent)
{
    setObjectName(QStringLiteral("frmMenuGrid"));
    setWindowTitle(QStringLiteral("Musarix"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(640, 480);
    SetHelpContext(34);
    SetWallpaper(SystemItem::ScreenWallpaper);

    Hstmt1.SetCursorType(SQL_CURSOR_FORWARD_ONLY);
    Hstmt1.SetRowSetSize(64);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(SearchDelayMs);
    connect(Timer1, &QTimer::timeout, this, &TfrmMenuGrid::Timer1Timer);

    MakeControls();
}

TfrmMenuGrid::~TfrmMenuGrid()
{
    // The grid lets go of the statement before either is destroyed.
    OEGrid1->SetHstmt(nullptr);
}

TShadowLabel* TfrmMenuGrid::AddLabel(const char* Name, const QString& Text, const QRect& Place,
                                     int PixelSize, const QString& Hint)
{
    auto* label = new TShadowLabel(Text, this);
    label->setObjectName(QString::fromLatin1(Name));
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPixelSize(PixelSize);
    font.setBold(true);
    label->setFont(font);
    label->SetFontColor(QColor(0xFF, 0xE8, 0x90));
    label->SetSLSLShadowColor(Qt::black);
    label->SetSLSLShadowSize(2);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setGeometry(Place);
    label->setToolTip(Hint);
    return label;
}

void TfrmMenuGrid::MakeControls()
{
    lblTitel = AddLabel("lblTitel", QString(), QRect(10, 6, 620, 50), 34);
    QFont titleFont = lblTitel->font();
    titleFont.setFamilies({QStringLiteral("Musarix"), QStringLiteral("Liberation Sans"),
                           QStringLiteral("DejaVu Sans")});
    lblTitel->setFont(titleFont);
    lblTitel->SetFontColor(QColor(0xFF, 0xD8, 0x50));
    lblTitel->SetSLSLShadowSize(3);
    lblTitel->setAlignment(Qt::AlignCenter);

    const QString searchHint = QStringLiteral(
        "Geben Sie einen Begriff ein, auf den die Anzeige in der Liste beschränkt werden soll.");
    const QString startHint =
        QStringLiteral("Der Suchbegriff soll am Satzanfang stehen (schnelle Variante).");
    const QString anywhereHint =
        QStringLiteral("Der Suchbegriff darf irgendwo im Satz erscheinen (langsamere Variante).");
    const QString sortHint =
        QStringLiteral("Legen Sie hier fest, nach welcher Spalte die Liste sortiert werden soll.");

    lblSuchbegriff =
        AddLabel("lblSuchbegriff", QStringLiteral("Suchbegriff"), QRect(20, 68, 110, 26), 16);
    dfSuchbegriff = new QLineEdit(this);
    dfSuchbegriff->setObjectName(QStringLiteral("dfSuchbegriff"));
    dfSuchbegriff->setGeometry(136, 68, 250, 26);
    dfSuchbegriff->setFont(TGridColumn::DefaultFont());
    dfSuchbegriff->setToolTip(searchHint);
    connect(dfSuchbegriff, &QLineEdit::textChanged, this, &TfrmMenuGrid::SearchTextChanged);

    auto makeModeButton = [this](const char* Name, const QImage& Glyph, int Top,
                                 const QString& Hint) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(Name));
        button->setCheckable(true);
        button->setAutoExclusive(true);
        button->setIcon(QIcon(QPixmap::fromImage(Glyph)));
        button->setIconSize(Glyph.size());
        button->setGeometry(410, Top, 28, 26);
        button->setToolTip(Hint);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, &TfrmMenuGrid::SearchModeClicked);
        return button;
    };
    pbSuche1 = makeModeButton("pbSuche1", ListButtonArt::StartGlyph(QSize(22, 20)), 62, startHint);
    pbSuche2 =
        makeModeButton("pbSuche2", ListButtonArt::AnywhereGlyph(QSize(22, 20)), 92, anywhereHint);
    pbSuche1->setChecked(true);
    lblSatz2 = AddLabel("lblSatz2", QStringLiteral("am Satzanfang"), QRect(444, 62, 180, 26), 15,
                        startHint);
    lblSatz4 = AddLabel("lblSatz4", QStringLiteral("irgendwo im Satz"), QRect(444, 92, 180, 26), 15,
                        anywhereHint);

    lblSortNach =
        AddLabel("lblSortNach", QStringLiteral("Sortiert nach"), QRect(20, 110, 112, 26), 16);
    cmbSortNach = new QComboBox(this);
    cmbSortNach->setObjectName(QStringLiteral("cmbSortNach"));
    cmbSortNach->setGeometry(136, 110, 250, 26);
    cmbSortNach->setFont(TGridColumn::DefaultFont());
    cmbSortNach->setToolTip(sortHint);
    connect(cmbSortNach, &QComboBox::currentIndexChanged, this, &TfrmMenuGrid::SortChanged);

    OEGrid1 = new TOEGrid(this);
    OEGrid1->setObjectName(QStringLiteral("OEGrid1"));
    OEGrid1->setGeometry(GridLeft, GridTopPlain, GridWidth, GridHeight);
    OEGrid1->SetDefaultRowHeight(22);
    OEGrid1->Columns().Add(QString(), NameWidthPlain);
    OEGrid1->Columns().Add(QString(), SecondColumnWidth);
    OEGrid1->setToolTip(
        QStringLiteral("gewünschtes Thema markieren und mit Doppelklick Details anzeigen lassen."));
    OEGrid1->SetHstmt(&Hstmt1);
    connect(OEGrid1, &TOEGrid::DblClick, this, &TfrmMenuGrid::OEGrid1DblClick);
    // Another entry chosen: the pictures of the previous one go.
    connect(OEGrid1, &TOEGrid::SelectCell, this, [] { CloseAllPictures(); });

    auto makeButton = [this](const char* Name, const QImage& Picture, const QPoint& Place,
                             const QString& Hint) {
        auto* button = new TShapeButton(this);
        button->setObjectName(QString::fromLatin1(Name));
        button->SetPicture(Picture);
        button->move(Place);
        button->setToolTip(Hint);
        return button;
    };
    pbAuswahl =
        makeButton("pbAuswahl", ListButtonArt::SelectPicture(QSize(124, 46)), QPoint(372, 424),
                   QStringLiteral("Zeigt Details zum markierten Thema an."));
    connect(pbAuswahl, &TShapeButton::clicked, this, &TfrmMenuGrid::pbAuswahlClick);
    pbMenue = makeButton("pbMenue", ListButtonArt::MenuPicture(QSize(124, 46)), QPoint(506, 424),
                         QStringLiteral("Zurück ins Hauptmenü."));
    connect(pbMenue, &TShapeButton::clicked, this, &TfrmMenuGrid::pbMenueClick);

    dfSuchbegriff->setFocus();
}

void TfrmMenuGrid::FormShow()
{
    Hstmt1.SetHdbc(CatalogDbc);

    const ListKinds::TListKind& kind = ListKinds::Kind(Kind);
    HasSort = false;
    lblTitel->setText(kind.Title);
    {
        const QSignalBlocker blocker(cmbSortNach);
        cmbSortNach->clear();
        if (kind.HasSort()) {
            HasSort = true;
            cmbSortNach->addItems(kind.SortItems);
        }
    }
    lblSortNach->setVisible(HasSort);
    cmbSortNach->setVisible(HasSort);

    if (HasSort) {
        OEGrid1->move(GridLeft, GridTopWithSort);
        OEGrid1->SetColWidth(1, NameWidthWithSort);
        const QSignalBlocker blocker(cmbSortNach);
        cmbSortNach->setCurrentIndex(StoredSortItem());
    } else {
        OEGrid1->move(GridLeft, GridTopPlain);
        OEGrid1->SetColWidth(1, NameWidthPlain);
    }

    {
        // Emptying the field is no typing: no search is to follow.
        const QSignalBlocker blocker(dfSuchbegriff);
        dfSuchbegriff->clear();
    }
    dfSuchbegriff->setFocus();
    BuildQuery(QStringLiteral("%"));
}

void TfrmMenuGrid::BuildQuery(const QString& Pattern)
{
    CloseAllPictures();
    const TWaitCursor wait;
    if (HasSort) {
        OEGrid1->Columns().At(1).Title = cmbSortNach->itemText(0);
        OEGrid1->Columns().At(2).Title = cmbSortNach->itemText(1);
        OEGrid1->viewport()->update();
    }
    const QStringList pieces = ListKinds::StatementPieces(Kind, SortItem(), Pattern);
    SetSQLText(Hstmt1, pieces.first());
    for (qsizetype i = 1; i < pieces.size(); ++i)
        AppendSQLText(Hstmt1, pieces[i]);
    Hstmt1.Prepare();
    Hstmt1.Execute();
}

void TfrmMenuGrid::Timer1Timer()
{
    Timer1->stop();
    DropDoubleQuotes();
    QString pattern = dfSuchbegriff->text() + QLatin1Char('%');
    if (pbSuche2->isChecked())
        pattern.prepend(QLatin1Char('%'));
    BuildQuery(pattern);
}

void TfrmMenuGrid::SearchTextChanged()
{
    CloseAllPictures();
    Timer1->stop();
    Timer1->start();
}

void TfrmMenuGrid::SearchModeClicked()
{
    PlayLinkSound();
    Timer1->start();
}

void TfrmMenuGrid::SortChanged()
{
    Timer1Timer();
    dfSuchbegriff->setFocus();
}

void TfrmMenuGrid::DropDoubleQuotes()
{
    const QString text = dfSuchbegriff->text();
    if (!text.contains(QLatin1Char('"')))
        return;
    const int cursor = dfSuchbegriff->cursorPosition();
    const auto before = text.left(cursor).count(QLatin1Char('"'));
    QString cleaned = text;
    cleaned.remove(QLatin1Char('"'));
    dfSuchbegriff->setText(cleaned);
    dfSuchbegriff->setCursorPosition(cursor - static_cast<int>(before));
}

void TfrmMenuGrid::pbAuswahlClick()
{
    PlayClickSound();
    OEGrid1DblClick();
}

void TfrmMenuGrid::pbMenueClick()
{
    PlayClickSound();
    CloseAllPictures();
    close();
}

void TfrmMenuGrid::OEGrid1DblClick()
{
    const ListKinds::TListKind& kind = ListKinds::Kind(Kind);
    if (kind.IsGallery()) {
        OpenGallery();
        return;
    }
    // An empty list reads 0: the page then finds no entry.
    ShowRecordPage(kind.RecordKind, Hstmt1.ColInteger(kind.IdColumn), 0);
}

void TfrmMenuGrid::OpenGallery()
{
    const ListKinds::TListKind& kind = ListKinds::Kind(Kind);
    QString title = Text(Hstmt1, kind.TitleColumn);
    if (kind.TitleIsPersonName)
        title = FormatPersonName(title);
    for (std::size_t i = 0; i < kind.Pictures.size(); ++i) {
        const ListKinds::TGalleryPicture& picture = kind.Pictures[i];
        const int position = Hstmt1.ColIntegerByName(picture.PictureColumn.toStdString());
        if (position <= 0)
            continue;
        const QString caption =
            picture.CaptionColumn.isEmpty() ? QString() : Text(Hstmt1, picture.CaptionColumn);
        ShowPicture(static_cast<int>(i) + 1, kind.PictureGroup, position, title, caption);
    }
}

int TfrmMenuGrid::SortItem() const
{
    return HasSort ? cmbSortNach->currentIndex() : 0;
}

int TfrmMenuGrid::StoredSortItem() const
{
    const TIniFile ini(ProgramDir + QStringLiteral("Musarix.Ini"));
    const int item = ini.ReadInteger(SortSection, ListKinds::Kind(Kind).Title, 0);
    return item < 0 || item > 1 ? 0 : item;
}

void TfrmMenuGrid::StoreSortItem() const
{
    TIniFile ini(ProgramDir + QStringLiteral("Musarix.Ini"));
    ini.WriteInteger(SortSection, ListKinds::Kind(Kind).Title,
                     qMax(0, cmbSortNach->currentIndex()));
}

bool TfrmMenuGrid::FormKeyUp(QKeyEvent* Event)
{
    DropDoubleQuotes();
    switch (Event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (pbAuswahl->isEnabled())
            pbAuswahlClick();
        return true;
    case Qt::Key_Escape:
        pbMenueClick();
        return true;
    default:
        return TMusaForm::FormKeyUp(Event);
    }
}

bool TfrmMenuGrid::eventFilter(QObject* Watched, QEvent* Event)
{
    // A press into the search field, on the wallpaper or on a label of this
    // screen puts the pictures away.
    if (Event->type() == QEvent::MouseButtonPress && Watched->isWidgetType() &&
        static_cast<QWidget*>(Watched)->window() == this &&
        (Watched == dfSuchbegriff || Watched == Wallpaper() ||
         qobject_cast<TShadowLabel*>(Watched) != nullptr))
        CloseAllPictures();
    return TMusaForm::eventFilter(Watched, Event);
}

void TfrmMenuGrid::showEvent(QShowEvent* Event)
{
    TMusaForm::showEvent(Event);
    if (Event->spontaneous())
        return;
    CentreOnDisplay();
    FormShow();
}

void TfrmMenuGrid::hideEvent(QHideEvent* Event)
{
    if (!Event->spontaneous()) {
        Timer1->stop();
        CloseAllPictures();
        if (HasSort)
            StoreSortItem();
    }
    TMusaForm::hideEvent(Event);
}

void ShowMenuGrid(int Kind)
{
    if (ShowMenuGridHook) {
        ShowMenuGridHook(Kind);
        return;
    }
    auto screen = std::make_unique<TfrmMenuGrid>();
    screen->Kind = static_cast<std::uint8_t>(Kind);
    screen->exec();
}
