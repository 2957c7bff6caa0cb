#include "ui/line_style_picker.h"

#include <algorithm>

#include <QFontDatabase>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

#include "chart/line_styles.h"
#include "render/qpainter_canvas.h"

namespace brumelle {

namespace {
constexpr int kMargin = 8;
constexpr int kButtonWidth = 75, kButtonHeight = 25;
constexpr int kMinWidth = 200;
} // namespace

TF_lignes::TF_lignes(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("F_lignes"));
    setWindowTitle(QStringLiteral("Types de lignes"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    setFont(ChartFont());

    L_lignes = new QListWidget(this);
    L_lignes->setObjectName(QStringLiteral("L_lignes"));
    L_lignes->setSelectionMode(QAbstractItemView::SingleSelection);
    L_lignes->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    L_lignes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    L_lignes->setUniformItemSizes(true);
    // The patterns are drawn in the system font, as in the options dialog's fields.
    L_lignes->setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));

    // The list is as wide and as tall as the five patterns need, whatever
    // font the system gives: a clipped pattern would hide its end.
    const QFontMetrics fm(L_lignes->font());
    const int rowHeight = fm.height() + 4;
    int textWidth = 0;
    for (const std::string &pattern : LineStylePatterns()) {
        const QString text = QString::fromStdString(pattern);
        textWidth = std::max(textWidth, fm.horizontalAdvance(text));
        auto *item = new QListWidgetItem(text, L_lignes);
        item->setSizeHint(QSize(0, rowHeight));
    }
    const int frame = 2 * L_lignes->frameWidth();
    const int listWidth = textWidth + 16 + frame;
    const int listHeight = kLineStyleCount * rowHeight + frame;
    const int width = std::max(kMinWidth, listWidth + 2 * kMargin);
    L_lignes->setGeometry(kMargin, kMargin, width - 2 * kMargin, listHeight);

    const int buttonsY = kMargin + listHeight + kMargin;
    Button1 = new QPushButton(QStringLiteral("Ok"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("Annuler"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    const int gap = 8;
    const int left = (width - 2 * kButtonWidth - gap) / 2;
    Button1->setGeometry(left, buttonsY, kButtonWidth, kButtonHeight);
    Button2->setGeometry(left + kButtonWidth + gap, buttonsY, kButtonWidth, kButtonHeight);
    Button2->setAutoDefault(false);
    Button1->setDefault(true);
    setFixedSize(width, buttonsY + kButtonHeight + kMargin);

    connect(Button1, &QPushButton::clicked, this, [this] {
        Button1Click();
        accept();
    });
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TF_lignes::Button1Click()
{
    const QList<QListWidgetItem *> selected = L_lignes->selectedItems();
    chosen_ = selected.isEmpty() ? -1 : L_lignes->row(selected.first());
}

bool TF_lignes::Run() { return exec() == QDialog::Accepted; }

void TF_lignes::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
    Button1->setFocus();
}

} // namespace brumelle
