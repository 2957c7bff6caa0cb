#include "ui/evolutions_window.h"

#include <utility>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTableView>
#include <QToolButton>

#include "calculators/evolution_boxes.h"
#include "render/locale_separators.h"
#include "render/qpainter_canvas.h"
#include "ui/clipboard.h"

namespace brumelle {

namespace {
constexpr int kRowHeight = 17;
constexpr int kGroupHeight = 40;
constexpr int kGroupStep = 42;
constexpr int kLeftWidth = 150; // input boxes; the grid takes the right-hand side
constexpr QSize kStartSize(397, 337); // also the smallest
} // namespace

// ---- TF_calcul_un_point

TF_calcul_un_point::TF_calcul_un_point(EvolutionData &record, DrawingBoxes drawing, Evolutions &core,
                                       Clipboard &clipboard, std::function<void()> repaintMainWindow, QWidget *parent)
    : QDialog(parent), d_(record), drawing_(drawing), clipboard_(clipboard),
      repaint_(std::move(repaintMainWindow)), core_(core)
{
    setObjectName(QStringLiteral("F_calcul_un_point"));
    setWindowTitle(QStringLiteral("Calcul d'un point"));
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    setFont(ChartFont());
    setMinimumSize(kStartSize);
    resize(kStartSize);

    Pages_calculs = new MultiRowTabs(3, this);
    Pages_calculs->setObjectName(QStringLiteral("Pages_calculs"));
    auto page = [this](QWidget *&w, const char *name, const QString &caption) {
        w = new QWidget;
        w->setObjectName(QString::fromLatin1(name));
        Pages_calculs->addTab(w, caption);
    };
    page(F_calc_un_point, "F_calc_un_point", QStringLiteral("Un point"));
    page(F_Calc_Chaud, "F_Calc_Chaud", QStringLiteral("Batterie chaude"));
    page(F_Calc_melange, "F_Calc_melange", QStringLiteral("Mélange"));
    page(F_calc_Froid_avec, "F_calc_Froid_avec", QStringLiteral("Batterie froide"));
    page(F_calc_laveur, "F_calc_laveur", QStringLiteral("Laveur d'air"));
    page(F_Calc_vapeur, "F_Calc_vapeur", QStringLiteral("Humidificateur vapeur"));
    Pages_calculs->place(QRect(QPoint(0, 0), kStartSize));

    buildPoint();
    buildHeating();
    buildMixing();
    buildCooling();
    buildWasher();
    buildSteam();
    buildGrowth();
    connectAll();
    boxes_.changed = [this] { ShowOutOfDate(); };
    boxes_.edited = [this] { Edited(); };
}

void TF_calcul_un_point::buildGrowth()
{
    using G = WindowGrowth;
    for (const auto &[view, widths] : grids_)
        growth_.Add(view, G::kGrow);
    // A result box under a grid: its group moves down and takes its share of the width, the box fills the group.
    auto under = [this](QLineEdit *edit, double left, double right) {
        QWidget *group = edit->parentWidget();
        growth_.Add(group, {left, 1, right, 1});
        growth_.Add(edit, G::kWider, group);
    };
    for (QWidget *w : std::initializer_list<QWidget *>{B_Calcul_point, B_Nouveau_1point, B_copier_point,
                                                        Check_dessin_1point})
        growth_.Add(w, G::kRight);
    for (QWidget *w : std::initializer_list<QWidget *>{E_valeur_dep, C_unite_dep, E_valeur_arr, C_unite_arr,
                                                        B_calcul_melange, B_copier_Melange, Check_dessin_melange})
        growth_.Add(w, G::kDown);
    under(e_P_bc, 0, 1);
    under(E_P_BFC, 0, 0.5);
    under(E_Efficacite_BFC, 0.5, 1);
    under(e_condensation_bfc, 0, 1);
    under(E_efficacite_lav, 0, 0.5);
    under(E_qm_eau_lav, 0.5, 1);
    under(E_qm_eau_vap, 0, 1);
    growth_.Add(radio_vap_theorique, {0, 1, 1, 1});
    growth_.Add(radio_vap_reelle, {0, 1, 1, 1});
}

void TF_calcul_un_point::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (!Pages_calculs)
        return; // the starting size, given while the window is being built
    Pages_calculs->place(rect());
    growth_.Apply(size() - kStartSize);
    for (const auto &[view, widths] : grids_)
        FillGrid(view, widths, 1, kRowHeight);
}

QLineEdit *TF_calcul_un_point::box(QWidget *page, std::string EvolutionData::*field, const QRect &rect, bool readOnly)
{
    auto *group = new QGroupBox(QString::fromUtf8(FindBox(field)->caption), page);
    group->setGeometry(rect);
    auto *edit = new QLineEdit(group);
    edit->setGeometry(6, 16, rect.width() - 12, 20);
    edit->setReadOnly(readOnly);
    return edit;
}

QLineEdit *TF_calcul_un_point::input(QWidget *page, std::string EvolutionData::*field, const QRect &rect)
{
    QLineEdit *edit = box(page, field, rect, false);
    edit->setText(QString::fromStdString(d_.*field));
    boxes_.Input(edit, field);
    return edit;
}

QLineEdit *TF_calcul_un_point::result(QWidget *page, std::string EvolutionData::*field, const QRect &rect)
{
    QLineEdit *edit = box(page, field, rect, true);
    boxes_.Result(edit, field);
    return edit;
}

QRect TF_calcul_un_point::leftSlot(int row) { return QRect(4, 4 + row * kGroupStep, kLeftWidth, kGroupHeight); }

QTableView *TF_calcul_un_point::grid(QWidget *page, ResultGridModel *&model, ResultGrid &data, const QList<int> &widths,
                                     const QPoint &at, bool editable)
{
    auto *view = new QTableView(page);
    model = new ResultGridModel(data, editable, view);
    view->setModel(model);
    view->horizontalHeader()->hide();
    view->verticalHeader()->hide();
    view->verticalHeader()->setMinimumSectionSize(kRowHeight);
    view->verticalHeader()->setDefaultSectionSize(kRowHeight);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setWordWrap(false);
    view->setEditTriggers(editable ? QAbstractItemView::AllEditTriggers : QAbstractItemView::NoEditTriggers);
    int width = 0;
    for (int c = 0; c < widths.size(); ++c) {
        view->setColumnWidth(c, widths[c]);
        width += widths[c];
    }
    view->setGeometry(at.x(), at.y(), width + 2 * view->frameWidth(), 9 * kRowHeight + 2 * view->frameWidth());
    grids_.push_back({view, widths});
    return view;
}

QPushButton *TF_calcul_un_point::button(QWidget *page, const QString &caption, const QRect &rect)
{
    auto *b = new QPushButton(caption, page);
    b->setGeometry(rect);
    b->setAutoDefault(false);
    return b;
}

QCheckBox *TF_calcul_un_point::drawBox(QWidget *page, const QRect &rect)
{
    auto *c = new QCheckBox(QStringLiteral("dessiner"), page);
    c->setGeometry(rect);
    return c;
}

// Value columns are wider than the original's so that every figure stays readable with today's fonts.
void TF_calcul_un_point::buildPoint()
{
    QWidget *p = F_calc_un_point;
    grille_un_point = grid(p, m_un_point_, d_.grille_un_point, {96, 70}, {4, 4}, true);
    B_Calcul_point = button(p, QStringLiteral("Calcul"), QRect(200, 4, 85, 25));
    B_Nouveau_1point = button(p, QStringLiteral("Nouveau"), QRect(200, 34, 85, 25));
    B_copier_point = button(p, QStringLiteral("Copier"), QRect(200, 64, 85, 25));
    Check_dessin_1point = drawBox(p, QRect(200, 96, 90, 20));

    E_valeur_dep = new QLineEdit(QString::fromStdString(d_.E_valeur_dep), p);
    E_valeur_dep->setGeometry(4, 172, 110, 22);
    boxes_.Input(E_valeur_dep, &EvolutionData::E_valeur_dep);
    C_unite_dep = new QComboBox(p);
    C_unite_dep->setGeometry(120, 172, 80, 22);
    E_valeur_arr = new QLineEdit(p);
    E_valeur_arr->setReadOnly(true);
    E_valeur_arr->setGeometry(4, 200, 110, 22);
    boxes_.Result(E_valeur_arr, &EvolutionData::E_valeur_arr);
    C_unite_arr = new QComboBox(p);
    C_unite_arr->setGeometry(120, 200, 80, 22);
    for (QComboBox *c : {C_unite_dep, C_unite_arr}) {
        c->addItems({QStringLiteral("kg/s"), QStringLiteral("kg/h"), QStringLiteral("m3/s"), QStringLiteral("m3/h")});
        c->setCurrentIndex(0);
    }
}

void TF_calcul_un_point::buildHeating()
{
    QWidget *p = F_Calc_Chaud;
    E_TS_Entree_BC = input(p, &EvolutionData::E_TS_Entree_BC, leftSlot(0));
    E_HR_Entree_BC = input(p, &EvolutionData::E_HR_Entree_BC, leftSlot(1));
    e_qm_bc = input(p, &EvolutionData::e_qm_bc, leftSlot(2));
    E_deltat_bc = input(p, &EvolutionData::E_deltat_bc, leftSlot(3));
    grille_BC = grid(p, m_BC_, d_.grille_BC, {96, 46, 46}, {0, 0});
    grille_BC->move(392 - grille_BC->width() + 1, 4);
    e_P_bc = result(p, &EvolutionData::e_P_bc,
                    QRect(grille_BC->x(), 166, grille_BC->width(), kGroupHeight));
    B_calcul_BC = button(p, QStringLiteral("Calcul"), QRect(4, 180, 70, 25));
    B_copier_BC = button(p, QStringLiteral("Copier"), QRect(80, 180, 70, 25));
    Check_dessin_BC = drawBox(p, QRect(4, 212, 90, 20));
}

void TF_calcul_un_point::buildMixing()
{
    // Six inputs: one column of boxes beside the widest grid, buttons under the grid.
    QWidget *p = F_Calc_melange;
    grille_melange = grid(p, m_melange_, d_.grille_melange, {96, 46, 46, 56}, {0, 0});
    grille_melange->move(392 - grille_melange->width() + 1, 4);
    const int w = grille_melange->x() - 8;
    auto at = [&](int row) { return QRect(4, 4 + row * kGroupStep, w, kGroupHeight); };
    E_TS1_mel = input(p, &EvolutionData::E_TS1_mel, at(0));
    E_HR1_mel = input(p, &EvolutionData::E_HR1_mel, at(1));
    E_qm1_mel = input(p, &EvolutionData::E_qm1_mel, at(2));
    E_TS2_mel = input(p, &EvolutionData::E_TS2_mel, at(3));
    E_HR2_mel = input(p, &EvolutionData::E_HR2_mel, at(4));
    E_qm2_mel = input(p, &EvolutionData::E_qm2_mel, at(5));
    const int rx = grille_melange->x();
    B_calcul_melange = button(p, QStringLiteral("Calcul"), QRect(rx, 170, 70, 25));
    B_copier_Melange = button(p, QStringLiteral("Copier"), QRect(rx + 76, 170, 70, 25));
    Check_dessin_melange = drawBox(p, QRect(rx, 202, 90, 20));
}

void TF_calcul_un_point::buildCooling()
{
    QWidget *p = F_calc_Froid_avec;
    E_TS_Entree_BFC = input(p, &EvolutionData::E_TS_Entree_BFC, leftSlot(0));
    E_HR_Entree_BFC = input(p, &EvolutionData::E_HR_Entree_BFC, leftSlot(1));
    E_qm_BFC = input(p, &EvolutionData::E_qm_BFC, leftSlot(2));
    E_deltat_BFC = input(p, &EvolutionData::E_deltat_BFC, leftSlot(3));
    E_T_BFC = input(p, &EvolutionData::E_T_BFC, leftSlot(4));
    grille_bfc = grid(p, m_bfc_, d_.grille_bfc, {96, 46, 46, 46}, {0, 0});
    grille_bfc->move(392 - grille_bfc->width() + 1, 4);
    const int rx = grille_bfc->x(), rw = grille_bfc->width();
    E_P_BFC = result(p, &EvolutionData::E_P_BFC,
                     QRect(rx, 166, rw / 2 - 1, kGroupHeight));
    E_Efficacite_BFC = result(p, &EvolutionData::E_Efficacite_BFC,
                              QRect(rx + rw / 2 + 1, 166, rw - rw / 2 - 1, kGroupHeight));
    e_condensation_bfc = result(p, &EvolutionData::e_condensation_bfc,
                                QRect(rx, 166 + kGroupStep, rw, kGroupHeight));
    B_calcul_BFC = button(p, QStringLiteral("Calcul"), QRect(4, 218, 70, 25));
    B_copier_BF = button(p, QStringLiteral("Copier"), QRect(80, 218, 70, 25));
    Check_dessin_BFC = drawBox(p, QRect(4, 248, 90, 20));
}

void TF_calcul_un_point::buildWasher()
{
    QWidget *p = F_calc_laveur;
    E_TS_Entree_Lav = input(p, &EvolutionData::E_TS_Entree_Lav, leftSlot(0));
    E_HR_Entree_Lav = input(p, &EvolutionData::E_HR_Entree_Lav, leftSlot(1));
    E_qm_Lav = input(p, &EvolutionData::E_qm_Lav, leftSlot(2));
    E_R_sortie_lav = input(p, &EvolutionData::E_R_sortie_lav, leftSlot(3));
    grille_lav = grid(p, m_lav_, d_.grille_lav, {96, 46, 46, 46}, {0, 0});
    grille_lav->move(392 - grille_lav->width() + 1, 4);
    const int rx = grille_lav->x(), rw = grille_lav->width();
    E_efficacite_lav = result(p, &EvolutionData::E_efficacite_lav,
                              QRect(rx, 166, rw / 2 - 1, kGroupHeight));
    E_qm_eau_lav = result(p, &EvolutionData::E_qm_eau_lav,
                          QRect(rx + rw / 2 + 1, 166, rw - rw / 2 - 1, kGroupHeight));
    B_calcul_Lav = button(p, QStringLiteral("Calcul"), QRect(4, 180, 70, 25));
    B_copier_laveur = button(p, QStringLiteral("Copier"), QRect(80, 180, 70, 25));
    Check_dessin_Lav = drawBox(p, QRect(4, 212, 90, 20));
}

void TF_calcul_un_point::buildSteam()
{
    QWidget *p = F_Calc_vapeur;
    E_TS_Entree_vap = input(p, &EvolutionData::E_TS_Entree_vap, leftSlot(0));
    E_HR_Entree_vap = input(p, &EvolutionData::E_HR_Entree_vap, leftSlot(1));
    E_qm_vap = input(p, &EvolutionData::E_qm_vap, leftSlot(2));
    E_R_sortie_vap = input(p, &EvolutionData::E_R_sortie_vap, leftSlot(3));
    grille_vap = grid(p, m_vap_, d_.grille_vap, {96, 46, 46}, {0, 0});
    grille_vap->move(392 - grille_vap->width() + 1, 4);
    const int rx = grille_vap->x(), rw = grille_vap->width();
    E_qm_eau_vap =
        result(p, &EvolutionData::E_qm_eau_vap, QRect(rx, 166, rw, kGroupHeight));
    radio_vap_theorique = new QRadioButton(QString::fromUtf8(kSteamTheoretical), p);
    radio_vap_theorique->setGeometry(rx, 212, rw, 20);
    radio_vap_reelle = new QRadioButton(QString::fromUtf8(kSteamReal), p);
    radio_vap_reelle->setGeometry(rx, 234, rw, 20);
    radio_vap_theorique->setChecked(true);
    B_calcul_vap = button(p, QStringLiteral("Calcul"), QRect(4, 180, 70, 25));
    B_copier_vapeur = button(p, QStringLiteral("Copier"), QRect(80, 180, 70, 25));
    Check_dessin_vap = drawBox(p, QRect(4, 212, 90, 20));
}

void TF_calcul_un_point::connectAll()
{
    auto onClick = [this](QPushButton *b, void (TF_calcul_un_point::*h)()) {
        connect(b, &QPushButton::clicked, this, [this, h] { (this->*h)(); });
    };
    onClick(B_Calcul_point, &TF_calcul_un_point::B_Calcul_pointClick);
    onClick(B_Nouveau_1point, &TF_calcul_un_point::B_Nouveau_1pointClick);
    onClick(B_calcul_BC, &TF_calcul_un_point::B_calcul_BCClick);
    onClick(B_calcul_BFC, &TF_calcul_un_point::B_calcul_BFCClick);
    onClick(B_calcul_Lav, &TF_calcul_un_point::B_calcul_LavClick);
    onClick(B_calcul_vap, &TF_calcul_un_point::B_calcul_vapClick);
    onClick(B_calcul_melange, &TF_calcul_un_point::B_calcul_melangeClick);
    onClick(B_copier_point, &TF_calcul_un_point::B_copier_pointClick);
    onClick(B_copier_BC, &TF_calcul_un_point::B_copier_BCClick);
    onClick(B_copier_Melange, &TF_calcul_un_point::B_copier_MelangeClick);
    onClick(B_copier_BF, &TF_calcul_un_point::B_copier_BFClick);
    onClick(B_copier_laveur, &TF_calcul_un_point::B_copier_laveurClick);
    onClick(B_copier_vapeur, &TF_calcul_un_point::B_copier_vapeurClick);
    connect(radio_vap_theorique, &QRadioButton::toggled, this,
            [this](bool on) { d_.radio_vap_theorique = on; });
    // Both radio buttons recompute, so the grid always shows the selected evolution.
    connect(radio_vap_theorique, &QRadioButton::clicked, this, [this] { B_calcul_vapClick(); });
    connect(radio_vap_reelle, &QRadioButton::clicked, this, [this] { B_calcul_vapClick(); });
    // A box changed by the program runs its handler as a click would.
    auto onToggle = [this](QCheckBox *c, void (TF_calcul_un_point::*h)()) {
        connect(c, &QCheckBox::toggled, this, [this, h] { (this->*h)(); });
    };
    onToggle(Check_dessin_1point, &TF_calcul_un_point::Check_dessin_1pointClick);
    onToggle(Check_dessin_BC, &TF_calcul_un_point::Check_dessin_BCClick);
    onToggle(Check_dessin_BFC, &TF_calcul_un_point::Check_dessin_BFCClick);
    onToggle(Check_dessin_Lav, &TF_calcul_un_point::Check_dessin_LavClick);
    onToggle(Check_dessin_vap, &TF_calcul_un_point::Check_dessin_vapClick);
    onToggle(Check_dessin_melange, &TF_calcul_un_point::Check_dessin_melangeClick);
    connect(C_unite_dep, &QComboBox::activated, this, [this] { C_unite_depChange(); });
    connect(C_unite_arr, &QComboBox::activated, this, [this] { C_unite_depChange(); });

    // What the user changes by hand, never what the program shows.
    for (QAbstractButton *b : std::initializer_list<QAbstractButton *>{
             Check_dessin_1point, Check_dessin_BC, Check_dessin_BFC, Check_dessin_Lav, Check_dessin_vap,
             Check_dessin_melange, radio_vap_theorique, radio_vap_reelle})
        connect(b, &QAbstractButton::clicked, this, [this] { Edited(); });
    for (QComboBox *c : {C_unite_dep, C_unite_arr})
        connect(c, &QComboBox::activated, this, [this] { Edited(); });
    connect(m_un_point_, &ResultGridModel::edited, this, [this] { Edited(); });

    CalculOnReturn({E_valeur_dep}, B_Calcul_point, &TF_calcul_un_point::B_Calcul_pointClick);
    CalculOnReturn({E_TS_Entree_BC, E_HR_Entree_BC, e_qm_bc, E_deltat_bc}, B_calcul_BC,
                   &TF_calcul_un_point::B_calcul_BCClick);
    CalculOnReturn({E_TS1_mel, E_HR1_mel, E_qm1_mel, E_TS2_mel, E_HR2_mel, E_qm2_mel}, B_calcul_melange,
                   &TF_calcul_un_point::B_calcul_melangeClick);
    CalculOnReturn({E_TS_Entree_BFC, E_HR_Entree_BFC, E_qm_BFC, E_deltat_BFC, E_T_BFC}, B_calcul_BFC,
                   &TF_calcul_un_point::B_calcul_BFCClick);
    CalculOnReturn({E_TS_Entree_Lav, E_HR_Entree_Lav, E_qm_Lav, E_R_sortie_lav}, B_calcul_Lav,
                   &TF_calcul_un_point::B_calcul_LavClick);
    CalculOnReturn({E_TS_Entree_vap, E_HR_Entree_vap, E_qm_vap, E_R_sortie_vap}, B_calcul_vap,
                   &TF_calcul_un_point::B_calcul_vapClick);
}

void TF_calcul_un_point::CalculOnReturn(std::initializer_list<QLineEdit *> inputs, QPushButton *calcul,
                                        void (TF_calcul_un_point::*handler)())
{
    QWidget *previous = nullptr;
    for (QLineEdit *edit : inputs) {
        connect(edit, &QLineEdit::returnPressed, this, [this, handler] { (this->*handler)(); });
        if (previous)
            setTabOrder(previous, edit);
        previous = edit;
    }
    setTabOrder(previous, calcul);
}

void TF_calcul_un_point::Edited()
{
    if (onEdit_)
        onEdit_();
    ShowOutOfDate();
}

void TF_calcul_un_point::ShowOutOfDate()
{
    const std::pair<Evolution, ResultGridModel *> grids[] = {
        {Evolution::Point, m_un_point_}, {Evolution::Heating, m_BC_},  {Evolution::Mixing, m_melange_},
        {Evolution::Cooling, m_bfc_},    {Evolution::Washer, m_lav_}, {Evolution::Steam, m_vap_}};
    for (const auto &[which, model] : grids) {
        const bool outOfDate = (d_.*BoxesOf(which).lastRun).outcome == LastRun::Outcome::Completed &&
                               InputsChangedSinceRun(d_, which);
        model->SetOutOfDate(outOfDate ? QString::fromUtf8(kInputsChanged) : QString());
        for (const EvolutionTextBox &box : BoxesOf(which).results)
            boxes_.ShowOutOfDate(box.field, outOfDate);
    }
}

void TF_calcul_un_point::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Each showing is an activation; Qt's re-activation after a message box is
    // not. It ends by showing the record, with what a document put there meanwhile.
    FormActivate();
}

void TF_calcul_un_point::Refresh()
{
    boxes_.Show();
    C_unite_dep->setCurrentIndex(d_.C_unite_dep);
    C_unite_arr->setCurrentIndex(d_.C_unite_arr);
    (d_.radio_vap_theorique ? radio_vap_theorique : radio_vap_reelle)->setChecked(true);
    // The boxes show the flags; the program may have changed them (a document, the erase command).
    const std::pair<QCheckBox *, bool> boxes[] = {{Check_dessin_1point, drawing_.flags.Check_dessin_1point},
                                                  {Check_dessin_BC, drawing_.flags.Check_dessin_BC},
                                                  {Check_dessin_BFC, drawing_.flags.Check_dessin_BFC},
                                                  {Check_dessin_Lav, drawing_.flags.Check_dessin_Lav},
                                                  {Check_dessin_vap, drawing_.flags.Check_dessin_vap},
                                                  {Check_dessin_melange, drawing_.flags.Check_dessin_melange}};
    for (const auto &[b, on] : boxes) {
        const QSignalBlocker block(b);
        b->setChecked(on);
    }
    for (ResultGridModel *m : {m_un_point_, m_BC_, m_melange_, m_bfc_, m_lav_, m_vap_})
        m->Refresh();
    ShowOutOfDate();
}

void TF_calcul_un_point::Run(void (Evolutions::*handler)())
{
    (core_.*handler)();
    Refresh();
}

void TF_calcul_un_point::FormActivate()
{
    core_.WriteGridFrames();
    Run(&Evolutions::ResetAirflowUnits);
}

void TF_calcul_un_point::B_Calcul_pointClick() { Run(&Evolutions::SolvePoint); }
void TF_calcul_un_point::B_calcul_BCClick() { Run(&Evolutions::Heating); }
void TF_calcul_un_point::B_calcul_BFCClick() { Run(&Evolutions::Cooling); }
void TF_calcul_un_point::B_calcul_LavClick() { Run(&Evolutions::AirWasher); }
void TF_calcul_un_point::B_calcul_vapClick() { Run(&Evolutions::SteamHumidifier); }
void TF_calcul_un_point::B_calcul_melangeClick() { Run(&Evolutions::Mixing); }
void TF_calcul_un_point::C_unite_depChange()
{
    d_.C_unite_dep = C_unite_dep->currentIndex();
    d_.C_unite_arr = C_unite_arr->currentIndex();
    Run(&Evolutions::ConvertAirflow);
}

void TF_calcul_un_point::B_Nouveau_1pointClick()
{
    Run(&Evolutions::NewPoint);
    Check_dessin_1point->setChecked(false);
}

void TF_calcul_un_point::Copy(ResultGridModel *model)
{
    clipboard_.SetText(QString::fromStdString(GridClipboardText(model->Grid())));
}

void TF_calcul_un_point::B_copier_pointClick() { Copy(m_un_point_); }
void TF_calcul_un_point::B_copier_BCClick() { Copy(m_BC_); }
void TF_calcul_un_point::B_copier_MelangeClick() { Copy(m_melange_); }
void TF_calcul_un_point::B_copier_BFClick() { Copy(m_bfc_); }
void TF_calcul_un_point::B_copier_laveurClick() { Copy(m_lav_); }
void TF_calcul_un_point::B_copier_vapeurClick() { Copy(m_vap_); }

void TF_calcul_un_point::DrawingFlagClick(QCheckBox *box, bool DrawingFlags::*flag)
{
    drawing_.Tick(flag, box->isChecked(), repaint_);
}

void TF_calcul_un_point::Check_dessin_1pointClick()
{
    DrawingFlagClick(Check_dessin_1point, &DrawingFlags::Check_dessin_1point);
}
void TF_calcul_un_point::Check_dessin_BCClick() { DrawingFlagClick(Check_dessin_BC, &DrawingFlags::Check_dessin_BC); }
void TF_calcul_un_point::Check_dessin_BFCClick()
{
    DrawingFlagClick(Check_dessin_BFC, &DrawingFlags::Check_dessin_BFC);
}
void TF_calcul_un_point::Check_dessin_LavClick()
{
    DrawingFlagClick(Check_dessin_Lav, &DrawingFlags::Check_dessin_Lav);
}
void TF_calcul_un_point::Check_dessin_vapClick()
{
    DrawingFlagClick(Check_dessin_vap, &DrawingFlags::Check_dessin_vap);
}
void TF_calcul_un_point::Check_dessin_melangeClick()
{
    DrawingFlagClick(Check_dessin_melange, &DrawingFlags::Check_dessin_melange);
}

} // namespace brumelle
