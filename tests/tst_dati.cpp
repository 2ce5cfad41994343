#include <QTest>
class TstDati : public QObject { Q_OBJECT };
QTEST_GUILESS_MAIN(TstDati)
#include "tst_dati.moc"
