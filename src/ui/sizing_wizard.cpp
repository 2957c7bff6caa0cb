#include "ui/sizing_wizard.h"

#include <algorithm>
#include <utility>

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTableView>

#include "render/qpainter_canvas.h"
#include "sizing/ahu_boxes.h"
#include "sizing/ahu_sizing.h"
#include "ui/calc_edit.h"
#include "ui/clipboard.h"
#include "ui/page_manager.h"

namespace brumelle {

namespace {
constexpr int kWidth = 386, kHeight = 335;
constexpr int kPanelHeight = 41;
constexpr int kRowHeight = 17;
constexpr int kDefaultColWidth = 90;
constexpr int kLabelX = 8, kBoxX = 216, kBoxWidth = 150, kBoxHeight = 21;
} // namespace

TF_dimensionnement::TF_dimensionnement(AhuData &record, DrawingBoxes drawing, AhuSizing &core, Clipboard &clipboard,
                                       std::function<void()> repaintMainWindow, QWidget *parent)
    : QDialog(parent), d_(record), drawing_(drawing), core_(core), clipboard_(clipboard),
      repaint_(std::move(repaintMainWindow))
{
    setObjectName(QStringLiteral("F_dimensionnement"));
    setWindowTitle(QStringLiteral("Dimensionnement du matériel"));
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    setFont(ChartFont());
    setMinimumSize(kWidth, kHeight); // the starting size is the smallest
    resize(kWidth, kHeight);

    Notebook1 = new QStackedWidget(this);
    Notebook1->setObjectName(QStringLiteral("Notebook1"));
    Notebook1->setGeometry(0, 0, kWidth, kHeight - kPanelHeight);
    buildCharges(page("Charges", QStringLiteral("Charges du local")));
    buildClimate(page("Conditions climatiques", QStringLiteral("Conditions climatiques")));
    buildPreferences(page("Préférences", QStringLiteral("Préférences du matériel")));
    buildResult(page("Résultat", QStringLiteral("Résultats")));
    // The window first opens on the page the notebook is created with.
    Notebook1->setCurrentIndex(2);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, kHeight - kPanelHeight, kWidth, kPanelHeight);
    B_back = new QPushButton(QStringLiteral("< Précedent"), Panel1);
    B_back->setGeometry(kWidth - 2 * 92 - 6, 8, 88, 25);
    B_avant = new QPushButton(QStringLiteral("Suivant >"), Panel1);
    B_avant->setGeometry(kWidth - 92 - 6, 8, 88, 25);
    B_back->setAutoDefault(false);
    B_avant->setAutoDefault(false);
    B_avant->setDefault(true); // Enter moves on, as in any wizard

    PageManager1 = new TPageManager(this);
    PageManager1->SetPageOwner(Notebook1);
    PageManager1->SetNextBtn(B_avant);
    PageManager1->SetPriorBtn(B_back);
    PageManager1->SetStartPage = false;
    PageProxy1 = PageManager1->AddProxy(QStringLiteral("Charges"));
    PageProxy2 = PageManager1->AddProxy(QStringLiteral("Conditions climatiques"));
    PageProxy3 = PageManager1->AddProxy(QStringLiteral("Préférences"));
    PageProxy4 = PageManager1->AddProxy(QStringLiteral("Résultat"));
    PageProxy3->OnShow = [this](bool next) { PageProxy3Show(next); };
    PageProxy4->OnShow = [this](bool next) { PageProxy4Show(next); };
    PageManager1->Loaded();

    using G = WindowGrowth;
    growth_.Add(Notebook1, G::kGrow);
    growth_.Add(Panel1, {0, 1, 1, 1});
    growth_.Add(B_back, G::kRight);
    growth_.Add(B_avant, G::kRight);
    growth_.Add(grille_resultats, G::kGrow);
    growth_.Add(Check_dessin_CTA, G::kDown);
    growth_.Add(B_copier_CTA, {1, 1, 1, 1});

    connect(Check_dessin_CTA, &QCheckBox::toggled, this, [this] { Check_dessin_CTAClick(); });
    connect(B_copier_CTA, &QPushButton::clicked, this, [this] { B_copier_CTAClick(); });
    // What the user changes by hand, never what the program shows.
    connect(Check_dessin_CTA, &QCheckBox::clicked, this, [this] { Edited(); });
    for (const auto &[button, which] : radios_)
        connect(button, &QRadioButton::clicked, this, [this] { Edited(); });
    connect(model_, &ResultGridModel::edited, this, [this] { Edited(); });
    boxes_.changed = [this] { ShowOutOfDate(); };
    boxes_.edited = [this] { Edited(); };
    Refresh();
}

void TF_dimensionnement::Edited()
{
    if (onEdit_)
        onEdit_();
    ShowOutOfDate();
}

void TF_dimensionnement::ShowOutOfDate()
{
    const bool outOfDate = d_.lastRun.outcome == LastRun::Outcome::Completed && InputsChangedSinceRun(d_);
    model_->SetOutOfDate(outOfDate ? QString::fromUtf8(kInputsChanged) : QString());
}

QWidget *TF_dimensionnement::page(const char *name, const QString &heading)
{
    auto *p = new QWidget;
    p->setObjectName(QString::fromUtf8(name));
    auto *title = new QLabel(heading, p);
    title->setObjectName(QStringLiteral("heading"));
    QFont f = ChartFont();
    f.setBold(true);
    f.setPointSize(11);
    title->setFont(f);
    title->setStyleSheet(QStringLiteral("color: #008000"));
    title->setGeometry(kLabelX, 6, kWidth - 2 * kLabelX, 24);
    Notebook1->addWidget(p);
    return p;
}

QLineEdit *TF_dimensionnement::input(QWidget *page, std::string AhuData::*field, int y)
{
    const AhuTextBox &box = AhuBox(field);
    const QString label = QString::fromUtf8(box.label);
    const int labelHeight = 15 * (static_cast<int>(label.count(QLatin1Char('\n'))) + 1);
    auto *l = new QLabel(label, page);
    l->setGeometry(kLabelX, y + (kBoxHeight - labelHeight) / 2, kBoxX - kLabelX - 6, labelHeight);
    auto *edit = new QLineEdit(page);
    edit->setGeometry(kBoxX, y, kBoxWidth, kBoxHeight);
    edit->setToolTip(QString::fromUtf8(box.hint));
    l->setBuddy(edit);
    // What the user types goes straight into the record; the sizing reads it there.
    boxes_.Input(edit, field);
    return edit;
}

QRadioButton *TF_dimensionnement::radio(QGroupBox *group, AhuRadio button, int y)
{
    auto *r = new QRadioButton(QString::fromUtf8(AhuButton(button).caption), group);
    r->setGeometry(10, y, group->width() - 16, 20);
    radios_.push_back({r, button});
    return r;
}

void TF_dimensionnement::buildCharges(QWidget *p)
{
    E_Charge_sens = input(p, &AhuData::E_Charge_sens, 44);
    E_charge_lat = input(p, &AhuData::E_charge_lat, 78);
    auto *help = new QLabel(QStringLiteral("Pour convertir les charges latentes en kge/s, vous pouvez\n"
                                           "diviser la puissance latente (en kW) dégagé par le process\n"
                                           "ou les occupants, par 2501."),
                            p);
    help->setObjectName(QStringLiteral("explication"));
    help->setFrameShape(QFrame::StyledPanel);
    help->setTextInteractionFlags(Qt::TextSelectableByMouse);
    help->setGeometry(kLabelX, 118, kWidth - 2 * kLabelX, 52);
    help->setContentsMargins(4, 2, 4, 2);
    auto *l = new QLabel(QStringLiteral("Calculatrice"), p);
    l->setGeometry(kLabelX, 190, kBoxX - kLabelX - 6, kBoxHeight);
    CalcEdit1 = new TCalcEdit(p);
    CalcEdit1->setObjectName(QStringLiteral("CalcEdit1"));
    CalcEdit1->setGeometry(kBoxX, 190, kBoxWidth, kBoxHeight);
    CalcEdit1->setToolTip(QStringLiteral("Calculatrice"));
    l->setBuddy(CalcEdit1);
}

void TF_dimensionnement::buildClimate(QWidget *p)
{
    E_TS_loc = input(p, &AhuData::E_TS_loc, 44);
    E_HR_loc = input(p, &AhuData::E_HR_loc, 78);
    E_TS_ext = input(p, &AhuData::E_TS_ext, 112);
    E_HR_ext = input(p, &AhuData::E_HR_ext, 146);
    E_TS_sou = input(p, &AhuData::E_TS_sou, 180);
}

void TF_dimensionnement::buildPreferences(QWidget *p)
{
    E_T_Surface = input(p, &AhuData::E_T_Surface, 40);
    E_QM_AN = input(p, &AhuData::E_QM_AN, 78);
    E_eff_echangeur = input(p, &AhuData::E_eff_echangeur, 116);

    auto *humid = new QGroupBox(QString::fromUtf8(AhuButton(AhuRadio::Vap).group), p);
    humid->setGeometry(kLabelX, 152, 170, 72);
    R_Vap = radio(humid, AhuRadio::Vap, 20);
    R_Lav = radio(humid, AhuRadio::Lav, 44);
    auto *fresh = new QGroupBox(QString::fromUtf8(AhuButton(AhuRadio::melange).group), p);
    fresh->setGeometry(kLabelX + 178, 152, kWidth - 2 * kLabelX - 178, 92);
    R_tout_AN = radio(fresh, AhuRadio::tout_AN, 20);
    R_Echange_plaques = radio(fresh, AhuRadio::Echange_plaques, 44);
    R_melange = radio(fresh, AhuRadio::melange, 68);

    connect(R_Vap, &QRadioButton::clicked, this, [this] { SelectRadio(d_, AhuRadio::Vap); });
    connect(R_Lav, &QRadioButton::clicked, this, [this] { SelectRadio(d_, AhuRadio::Lav); });
    connect(R_Echange_plaques, &QRadioButton::clicked, this, [this] { R_Echange_plaquesClick(); });
    connect(R_tout_AN, &QRadioButton::clicked, this, [this] { R_tout_ANClick(); });
    connect(R_melange, &QRadioButton::clicked, this, [this] { R_melangeClick(); });
}

void TF_dimensionnement::buildResult(QWidget *p)
{
    grille_resultats = new QTableView(p);
    grille_resultats->setObjectName(QStringLiteral("grille_resultats"));
    model_ = new ResultGridModel(d_.grille_resultats, true, grille_resultats);
    grille_resultats->setModel(model_);
    // The fixed row and column of the grid are the view's headers: the
    // headings column stays in place while the points scroll sideways, and
    // columns are resized by dragging the heading row's borders. Row 0 and
    // column 0 themselves are hidden (Refresh), and the corner shows "Points".
    const QString style = QStringLiteral("QHeaderView::section { background-color: rgb(212, 208, 200); "
                                         "padding-left: 3px; border: none; border-right: 1px solid #a0a0a0; "
                                         "border-bottom: 1px solid #a0a0a0; }");
    QHeaderView *rows = grille_resultats->verticalHeader();
    rows->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(kRowHeight);
    rows->setDefaultSectionSize(kRowHeight);
    rows->setStyleSheet(style);
    QHeaderView *columns = grille_resultats->horizontalHeader();
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setFixedHeight(kRowHeight);
    columns->setStyleSheet(style);
    grille_resultats->setCornerButtonEnabled(false);
    corner_ = new QLabel(grille_resultats);
    corner_->setAttribute(Qt::WA_TransparentForMouseEvents);
    corner_->setStyleSheet(QStringLiteral("background-color: rgb(212, 208, 200); padding-left: 3px; "
                                          "border-right: 1px solid #a0a0a0; border-bottom: 1px solid #a0a0a0;"));
    // Always there at the starting size, where the columns never fit.
    grille_resultats->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grille_resultats->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grille_resultats->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    grille_resultats->setSelectionMode(QAbstractItemView::SingleSelection);
    grille_resultats->setWordWrap(false);
    grille_resultats->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                      QAbstractItemView::AnyKeyPressed);
    const int frame = 2 * grille_resultats->frameWidth();
    const int scrollBar = grille_resultats->horizontalScrollBar()->sizeHint().height();
    grille_resultats->setGeometry(4, 34, kWidth - 8, 10 * kRowHeight + frame + scrollBar);

    const int below = grille_resultats->geometry().bottom() + 10;
    Check_dessin_CTA = new QCheckBox(QStringLiteral("Dessiner"), p);
    Check_dessin_CTA->setGeometry(kLabelX, below + 2, 120, 20);
    B_copier_CTA = new QPushButton(QStringLiteral("Copier"), p);
    B_copier_CTA->setGeometry(kWidth - 92 - 6, below, 88, 25);
    B_copier_CTA->setAutoDefault(false);
}

void TF_dimensionnement::showEvent(QShowEvent *event)
{
    // A document may have changed the record while the window was hidden.
    Refresh();
    QDialog::showEvent(event);
}

void TF_dimensionnement::Refresh()
{
    boxes_.Show();
    // A group may hold no checked button (a document can say so), which an
    // exclusive group would refuse.
    for (const auto &[button, which] : radios_) {
        button->setAutoExclusive(false);
        button->setChecked(RadioState(d_, which));
        button->setAutoExclusive(true);
    }
    E_QM_AN->setEnabled(d_.E_QM_AN_Enabled);
    E_eff_echangeur->setEnabled(d_.E_eff_echangeur_Enabled);
    {
        const QSignalBlocker block(Check_dessin_CTA);
        Check_dessin_CTA->setChecked(drawing_.flags.Check_dessin_CTA);
    }
    model_->Refresh();
    // The grid's own widths, widened where today's fonts would cut a heading
    // or a value; the horizontal scroll bar reaches the rest.
    const ResultGrid &g = d_.grille_resultats;
    const QAbstractItemView *view = grille_resultats; // where the width hint is public
    grille_resultats->setColumnHidden(0, true);
    grille_resultats->setRowHidden(0, true);
    const QHeaderView *columns = grille_resultats->horizontalHeader();
    resultWidths_ = QList<int>(g.ColCount(), 0);
    for (int col = 1; col < g.ColCount(); ++col) {
        const int width = g.ColWidth(col) > 0 ? g.ColWidth(col) : kDefaultColWidth;
        resultWidths_[col] = std::max({width, view->sizeHintForColumn(col), columns->sectionSizeHint(col)});
    }
    corner_->setText(QString::fromStdString(g.Cell(0, 0)));
    FitResultGrid();
    ShowOutOfDate();
}

void TF_dimensionnement::FitResultGrid()
{
    FillGrid(grille_resultats, resultWidths_, 1, kRowHeight);
    const QHeaderView *rows = grille_resultats->verticalHeader();
    corner_->setGeometry(grille_resultats->frameWidth(), grille_resultats->frameWidth(), rows->sizeHint().width(),
                         grille_resultats->horizontalHeader()->height());
}

void TF_dimensionnement::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    growth_.Apply(size() - QSize(kWidth, kHeight));
    if (!resultWidths_.isEmpty())
        FitResultGrid();
}

void TF_dimensionnement::EnablingRule()
{
    ApplyFreshAirEnabling(d_);
    E_QM_AN->setEnabled(d_.E_QM_AN_Enabled);
    E_eff_echangeur->setEnabled(d_.E_eff_echangeur_Enabled);
}

void TF_dimensionnement::PageProxy3Show(bool) { EnablingRule(); }

void TF_dimensionnement::PageProxy4Show(bool)
{
    core_.SizeAhu();
    Refresh();
}

void TF_dimensionnement::FreshAirClick(AhuRadio button)
{
    SelectRadio(d_, button);
    EnablingRule();
}

void TF_dimensionnement::R_Echange_plaquesClick() { FreshAirClick(AhuRadio::Echange_plaques); }
void TF_dimensionnement::R_tout_ANClick() { FreshAirClick(AhuRadio::tout_AN); }
void TF_dimensionnement::R_melangeClick() { FreshAirClick(AhuRadio::melange); }

void TF_dimensionnement::Check_dessin_CTAClick()
{
    drawing_.Tick(&DrawingFlags::Check_dessin_CTA, Check_dessin_CTA->isChecked(), repaint_);
}

void TF_dimensionnement::B_copier_CTAClick()
{
    clipboard_.SetText(QString::fromStdString(GridClipboardText(d_.grille_resultats)));
}

} // namespace brumelle
