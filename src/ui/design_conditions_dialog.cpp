#include "ui/design_conditions_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "note/calculation_note.h"
#include "render/locale_separators.h"

namespace brumelle {

TF_conditions_base::TF_conditions_base(Climate &climate, std::function<void(const DesignRow &)> useForSizing,
                                       std::function<void()> repaintMainWindow, QWidget *parent)
    : QDialog(parent), climate_(climate), use_(std::move(useForSizing)), repaint_(std::move(repaintMainWindow))
{
    setObjectName(QStringLiteral("F_conditions_base"));
    setWindowTitle(QStringLiteral("Conditions de base"));
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);

    L_lieu = new QLabel(this);
    L_lieu->setObjectName(QStringLiteral("L_lieu"));
    Grille_conditions = new QTableWidget(0, 4, this);
    Grille_conditions->setObjectName(QStringLiteral("Grille_conditions"));
    Grille_conditions->setHorizontalHeaderLabels({QStringLiteral("Conditions de base"), QStringLiteral("Source"),
                                                  QStringLiteral("T° Seche °C"), QStringLiteral("T° Humide °C")});
    Grille_conditions->verticalHeader()->hide();
    Grille_conditions->horizontalHeader()->setStretchLastSection(true);
    Grille_conditions->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    Grille_conditions->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grille_conditions->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grille_conditions->setSelectionMode(QAbstractItemView::SingleSelection);
    // Broken by hand: a wrapped label would leave the dialog too short for it.
    auto *estimate = new QLabel(QStringLiteral("Les lignes « année » sont calculées sur la seule année du fichier : "
                                               "une estimation.\nLes lignes « fichier » sont les valeurs publiées "
                                               "par l'ASHRAE,\nétablies sur de nombreuses années."),
                                this);
    Check_montrer_conditions = new QCheckBox(QStringLiteral("Montrer sur le diagramme"), this);
    auto *buttons = new QDialogButtonBox(this);
    B_utiliser = buttons->addButton(QStringLiteral("Utiliser pour la CTA"), QDialogButtonBox::ActionRole);
    B_Fermer = buttons->addButton(QStringLiteral("Fermer"), QDialogButtonBox::RejectRole);
    B_utiliser->setToolTip(QStringLiteral("Température sèche extérieure et hygrométrie extérieure du "
                                          "dimensionnement CTA"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(L_lieu);
    layout->addWidget(Grille_conditions, 1);
    layout->addWidget(estimate);
    layout->addWidget(Check_montrer_conditions);
    layout->addWidget(buttons);

    connect(Check_montrer_conditions, &QCheckBox::clicked, this, [this] { Check_montrer_conditionsClick(); });
    connect(B_utiliser, &QPushButton::clicked, this, [this] { B_utiliserClick(); });
    connect(B_Fermer, &QPushButton::clicked, this, &QDialog::reject);
    connect(Grille_conditions, &QTableWidget::itemSelectionChanged, this,
            [this] { B_utiliser->setEnabled(!Grille_conditions->selectedItems().isEmpty()); });
    connect(Grille_conditions, &QTableWidget::cellDoubleClicked, this, [this] { B_utiliserClick(); });
}

void TF_conditions_base::showEvent(QShowEvent *event)
{
    FormActivate();
    QDialog::showEvent(event);
}

void TF_conditions_base::FormActivate()
{
    const NumberSeparators sep = SeparatorsOf(QLocale());
    L_lieu->setText(QStringLiteral("Lieu : ") +
                    (climate_.Loaded() ? QString::fromStdString(PlaceName(climate_.year->location)) : QString()));
    rows_ = DesignRowsOf(climate_);
    Grille_conditions->clearContents();
    Grille_conditions->setRowCount(static_cast<int>(rows_.size()));
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
        const DesignRow &row = rows_[static_cast<size_t>(r)];
        const DesignCondition &c = row.condition;
        const QString cells[] = {
            QString::fromUtf8(row.Name()), QString::fromUtf8(row.source),
            QString::fromStdString(FormatFixed(c.dryBulbC, 2, sep)),
            c.wetBulbC ? QString::fromStdString(FormatFixed(*c.wetBulbC, 2, sep)) : QString()};
        for (int col = 0; col < 4; ++col) {
            auto *item = new QTableWidgetItem(cells[col]);
            if (col >= 2)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Grille_conditions->setItem(r, col, item);
        }
    }
    Grille_conditions->resizeColumnsToContents();
    B_utiliser->setEnabled(false);
    Check_montrer_conditions->setChecked(climate_.conditionsShown);
    // Every row and column in view, without scrolling.
    const QHeaderView *h = Grille_conditions->horizontalHeader();
    int width = 2 * Grille_conditions->frameWidth();
    for (int col = 0; col < 4; ++col)
        width += h->sectionSize(col);
    const int height = 2 * Grille_conditions->frameWidth() + h->height() +
                       Grille_conditions->verticalHeader()->length();
    Grille_conditions->setMinimumSize(width, height);
    // The dialog grows to hold them: its size was set before these rows were.
    layout()->activate();
    resize(size().expandedTo(minimumSizeHint()));
}

void TF_conditions_base::Check_montrer_conditionsClick()
{
    climate_.conditionsShown = Check_montrer_conditions->isChecked();
    if (repaint_)
        repaint_();
}

void TF_conditions_base::B_utiliserClick()
{
    const QList<QTableWidgetItem *> selected = Grille_conditions->selectedItems();
    if (selected.isEmpty() || !use_)
        return;
    const int r = selected.front()->row();
    if (r < 0 || r >= static_cast<int>(rows_.size()))
        return;
    // The row goes into the sizing and the status bar says so: the dialog's work is done.
    use_(rows_[static_cast<size_t>(r)]);
    accept();
}

} // namespace brumelle
