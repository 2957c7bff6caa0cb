#pragma once
#include <QList>
#include <QWidget>

class QButtonGroup;
class QStackedWidget;
class QToolButton;

namespace brumelle {

// A page control whose tabs wrap onto several rows, so every caption stays
// readable in the window's fixed width.
class MultiRowTabs : public QWidget {
    Q_OBJECT
public:
    MultiRowTabs(int columns, QWidget *parent = nullptr);
    void addTab(QWidget *page, const QString &caption);
    int count() const;
    QString tabText(int index) const;
    int currentIndex() const;
    QWidget *widget(int index) const;
    void setCurrentIndex(int index);
    // Lays the tab rows and the page area out in the given rectangle.
    void place(const QRect &rect);
    QRect pageRect() const;

private:
    int columns_;
    QButtonGroup *buttons_;
    QList<QToolButton *> tabs_;
    QStackedWidget *pages_;
};

} // namespace brumelle
