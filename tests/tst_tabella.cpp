#include <QTest>
class TstTabella : public QObject { Q_OBJECT };
QTEST_GUILESS_MAIN(TstTabella)
#include "tst_tabella.moc"
