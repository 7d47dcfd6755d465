#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The Korval MIME types as shared-mime-info compiles them (into the XDG_DATA_DIRS folder the
// test's environment names) and as Qt's MIME database then tells the kinds of files apart.
class tst_MimeTypes : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void extensionsNameTheKindInAnyLetterCase_data();
    void extensionsNameTheKindInAnyLetterCase();
    void contentNamesTheKindOfAFileWithoutAnExtension_data();
    void contentNamesTheKindOfAFileWithoutAnExtension();

  private:
    QTemporaryDir files_;
};

void tst_MimeTypes::initTestCase() {
    QString share = qEnvironmentVariable("XDG_DATA_DIRS").section(':', 0, 0);
    QVERIFY2(!share.isEmpty(), "XDG_DATA_DIRS names the folder the types are compiled into");
    QDir(share).removeRecursively();
    QVERIFY(QDir().mkpath(share + "/mime/packages"));
    QVERIFY(QFile::copy(KORVAL_MIME_XML, share + "/mime/packages/korval.xml"));
    QProcess update;
    update.setProcessChannelMode(QProcess::MergedChannels);
    update.start(UPDATE_MIME_DATABASE, {share + "/mime"});
    QVERIFY(update.waitForFinished(60000));
    QByteArray output = update.readAll();
    QVERIFY2(update.exitCode() == 0 && output.isEmpty(), output.constData());
    QVERIFY(QFile::exists(share + "/mime/mime.cache"));
    QVERIFY(files_.isValid());
}

void tst_MimeTypes::extensionsNameTheKindInAnyLetterCase_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("type");
    const QString kinds[][2] = {{"PRJ", "application/x-korval-project"},
                                {"FPM", "application/x-korval-function-point"},
                                {"CCM", "application/x-korval-cocomo"},
                                {"RLM", "application/x-korval-rayleigh"},
                                {"SLE", "application/x-korval-system"}};
    for (const auto& kind : kinds) {
        for (const QString& extension :
             {kind[0], kind[0].toLower(), kind[0].left(1) + kind[0].mid(1).toLower()}) {
            QString name = "estimate." + extension;
            QTest::newRow(qPrintable(name)) << name << kind[1];
        }
    }
}

void tst_MimeTypes::extensionsNameTheKindInAnyLetterCase() {
    QFETCH(QString, fileName);
    QFETCH(QString, type);
    QCOMPARE(QMimeDatabase().mimeTypeForFile(fileName, QMimeDatabase::MatchExtension).name(), type);
    // An empty file of that name, as a file manager sees it.
    QString path = files_.filePath(fileName);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QCOMPARE(QMimeDatabase().mimeTypeForFile(path).name(), type);
}

void tst_MimeTypes::contentNamesTheKindOfAFileWithoutAnExtension_data() {
    QTest::addColumn<QString>("example");
    QTest::addColumn<QString>("type");
    QTest::newRow("project") << "payroll.PRJ"
                             << "application/x-korval-project";
    QTest::newRow("function point") << "payroll.FPM"
                                    << "application/x-korval-function-point";
    QTest::newRow("cocomo") << "order-billing.CCM"
                            << "application/x-korval-cocomo";
    QTest::newRow("rayleigh") << "order-entry.RLM"
                              << "application/x-korval-rayleigh";
    QTest::newRow("system") << "enterprise.SLE"
                            << "application/x-korval-system";
    QTest::newRow("plain text") << ""
                                << "text/plain";
}

void tst_MimeTypes::contentNamesTheKindOfAFileWithoutAnExtension() {
    QFETCH(QString, example);
    QFETCH(QString, type);
    QByteArray content = "[Other]\nKey=value\n";
    if (!example.isEmpty()) {
        QFile source(QStringLiteral(KORVAL_SOURCE_DIR "/examples/") + example);
        QVERIFY(source.open(QIODevice::ReadOnly));
        content = source.readAll();
    }
    QString path =
        files_.filePath("estimate-without-extension-" + QString(QTest::currentDataTag()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QCOMPARE(QMimeDatabase().mimeTypeForFile(path).name(), type);
    QCOMPARE(QMimeDatabase().mimeTypeForData(content).name(), type);
}

QTEST_GUILESS_MAIN(tst_MimeTypes)
#include "tst_MimeTypes.moc"
