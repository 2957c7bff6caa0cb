// A study changed in the windows is never closed or replaced without a
// question, and results never stand beside inputs they were not computed from.
#include <QAction>
#include <QCheckBox>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>

#include <gtest/gtest.h>

#include "calculators/last_run.h"
#include "document_opening.h"
#include "main_window_fixture.h"

using namespace brumelle;

namespace {

using Answer = Messages::Answer;
const QByteArray kDocument = "[General]\r\nbon_fichier=1\r\n[Batterie chaude]\r\nTS=12\r\n[CTA]\r\nVapeur=1\r\nMelange=1\r\n";

struct Study : test::MainWindowFixture {
    QString a = dir.filePath(QStringLiteral("a.brm")), b = dir.filePath(QStringLiteral("b.brm"));
    Study()
    {
        for (const QString &path : {a, b}) {
            QFile file(path);
            file.open(QIODevice::WriteOnly);
            file.write(kDocument);
        }
    }
    // Keys typed as the user types them, then Return when asked.
    void type(QLineEdit *edit, const QString &text, bool enter = false)
    {
        edit->setFocus();
        for (const QChar c : text) {
            QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &key);
        }
        if (enter) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(edit, &key);
        }
    }
    QByteArray read(const QString &path) const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void drop(const QString &path)
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&form, &enter);
        QDropEvent dropped(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&form, &dropped);
        QCoreApplication::processEvents();
    }
};

} // namespace

// Each command that leaves the study asks, and goes on as the answer says.
TEST(StudyChanges, LeavingAChangedStudyAsksFirst)
{
    Study f;
    const test::RecordingMessages::Entry question{"question", kModifiedQuestion};
    f.type(f.evolutions.E_TS_Entree_BC, QStringLiteral("5"));
    EXPECT_EQ(f.form.windowTitle(), QStringLiteral("*Sans titre - Brumelle par Orvane"));

    f.messages.askAnswer = Answer::Cancel; // "Annuler": nothing happens
    f.form.Quitter1->trigger();
    f.form.M_ouvrir->trigger();
    EXPECT_TRUE(f.form.isVisible());
    EXPECT_TRUE(f.files.requests.empty());
    EXPECT_EQ(f.messages.entries, (std::vector<test::RecordingMessages::Entry>{question, question}));

    // "Oui" on an untitled study: saved under the name asked for, then the drop opens.
    f.messages.askAnswer = Answer::Yes;
    f.files.answers = {f.b};
    f.drop(f.a);
    EXPECT_TRUE(f.read(f.b).contains("[Batterie chaude]\r\nTS=205\r\n"));
    EXPECT_EQ(f.form.windowTitle(), QStringLiteral("a.brm - Brumelle par Orvane"));

    // "Non": the listed document opens, the study's file as it was.
    f.evolutions.Check_dessin_BC->click();
    EXPECT_EQ(f.form.windowTitle(), QStringLiteral("*a.brm - Brumelle par Orvane"));
    f.messages.askAnswer = Answer::No;
    ASSERT_EQ(f.form.M_recents[1]->statusTip(), f.b);
    f.form.M_recents[1]->trigger();
    EXPECT_EQ(f.form.windowTitle(), QStringLiteral("b.brm - Brumelle par Orvane"));
    EXPECT_EQ(f.read(f.a), kDocument);

    // The close box saves a named study over its own file, without the overwrite question.
    f.type(f.sizing.E_TS_ext, QStringLiteral("2"));
    f.messages.askAnswer = Answer::Yes;
    f.messages.entries.clear();
    f.form.close();
    EXPECT_FALSE(f.form.isVisible());
    EXPECT_EQ(f.messages.entries, std::vector<test::RecordingMessages::Entry>{question});
    EXPECT_TRUE(f.read(f.b).contains("TS_exterieur=-112"));
}

TEST(StudyChanges, EnregistrerWritesTheStudyUnderItsNameOrAsksForOne)
{
    Study f;
    // Untitled: "Enregistrer" is "Enregistrer sous...", which starts where it always has.
    f.files.answers = {f.a};
    f.messages.answer = true;
    f.form.M_enregistrer->trigger();
    ASSERT_EQ(f.files.requests.size(), 1u);
    EXPECT_EQ(f.files.requests[0].initialName, QStringLiteral("*.brm"));
    EXPECT_EQ(f.form.windowTitle(), QStringLiteral("a.brm - Brumelle par Orvane"));

    // Named: written over at once; the save dialogs start beside it, with its name.
    f.type(f.evolutions.E_deltat_bc, QStringLiteral("5"));
    f.messages.entries.clear();
    f.form.M_enregistrer->trigger();
    EXPECT_EQ(f.files.requests.size(), 1u);
    EXPECT_TRUE(f.messages.entries.empty());
    EXPECT_TRUE(f.read(f.a).contains("Delta_T=105"));
    EXPECT_EQ(f.form.windowTitle(), QStringLiteral("a.brm - Brumelle par Orvane"));
    f.form.M_enregistrer_sous->trigger(); // cancelled
    EXPECT_EQ(f.files.requests.back().folder, f.dir.path());
    EXPECT_EQ(f.files.requests.back().initialName, QStringLiteral("a.brm"));
}

// Return in a box runs its tab's "Calcul"; Tab from the last box reaches it.
// Results whose box has changed since are greyed until the next run.
TEST(StudyChanges, ReturnComputesAndChangedInputsGreyTheResults)
{
    Study f;
    auto &w = f.evolutions;
    w.show();
    f.type(w.E_deltat_bc, QString(), true);
    EXPECT_FALSE(w.e_P_bc->text().isEmpty());
    EXPECT_EQ(w.E_deltat_bc->nextInFocusChain(), w.B_calcul_BC);
    EXPECT_EQ(w.E_qm2_mel->nextInFocusChain(), w.B_calcul_melange);

    const QModelIndex cell = w.grille_BC->model()->index(1, 2);
    EXPECT_FALSE(cell.data(Qt::ToolTipRole).isValid());
    f.type(w.E_HR_Entree_BC, QStringLiteral("0"));
    EXPECT_EQ(cell.data(Qt::ToolTipRole).toString(), QString::fromUtf8(kInputsChanged));
    EXPECT_EQ(w.e_P_bc->toolTip(), QString::fromUtf8(kInputsChanged));
    w.B_calcul_BC->click();
    EXPECT_FALSE(cell.data(Qt::ToolTipRole).isValid());
}
