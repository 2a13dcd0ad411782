// SPDX-License-Identifier: GPL-3.0-or-later
// The help window on the real help files of each language, offscreen.

#include "HelpViewer.h"
#include "FileRead.h"
#include "Paths.h"
#include "Text.h"

#include <QListWidget>
#include <QScrollBar>
#include <QTest>

using namespace Qt::StringLiterals;

class HelpViewerTest : public QObject
{
    Q_OBJECT

private slots:
    void everyTopicTitleShowsWhole_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("longTitle");
        QTest::newRow("en") << u"Moonrill.hlp"_s << u"Your events on every device"_s;
        QTest::newRow("de") << u"Moonrill_de.hlp"_s << u"Löschen und rückgängig machen"_s;
        QTest::newRow("fr") << u"Moonrill_fr.hlp"_s << u"Supprimer et annuler"_s;
        QTest::newRow("es") << u"Moonrill_es.hlp"_s << u"Sus archivos y copias de seguridad"_s;
    }

    void everyTopicTitleShowsWhole()
    {
        QFETCH(QString, file);
        QFETCH(QString, longTitle);
        const std::optional<std::string> content =
            ReadWholeFile(JoinPath(ExecutableFolder(), ToBytes(file)));
        QVERIFY(content.has_value());
        HelpViewer viewer(ParseHelpFile(*content), nullptr);
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        const auto *list = viewer.findChild<QListWidget *>(u"lstTopics"_s);
        QVERIFY(list != nullptr);
        QVERIFY(!list->findItems(longTitle, Qt::MatchExactly).isEmpty());
        // Each title has the room its item asks for, so the list elides none and needs no
        // scrolling sideways.
        for (int row = 0; row < list->count(); ++row) {
            const QModelIndex index = list->model()->index(row, 0);
            QVERIFY2(list->sizeHintForIndex(index).width() <= list->viewport()->width(),
                     qPrintable(list->item(row)->text()));
            QVERIFY2(list->visualItemRect(list->item(row)).width() >=
                         list->fontMetrics().horizontalAdvance(list->item(row)->text()),
                     qPrintable(list->item(row)->text()));
        }
        QVERIFY(!list->horizontalScrollBar()->isVisible());
        // The text beside it keeps room to read.
        QVERIFY(viewer.findChild<QWidget *>(u"txtTopic"_s)->width() >= 400);
    }
};

QTEST_MAIN(HelpViewerTest)
#include "HelpViewerTest.moc"
