// The default-category and font dialogs, and the About box, each on its own.
#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "dialogs/FaceTable.h"
#include "dialogs/TCatDialog.h"
#include "dialogs/TFontDialog.h"
#include "dialogs/TProjectRCVersion.h"
#include "dialogs/TZeltoAboutDlg.h"
#include "model/TreeOps.h"

using namespace zelto;

namespace {

QStringList Texts(const QListWidget& list) {
  QStringList out;
  for (int i = 0; i < list.count(); ++i) out << list.item(i)->text();
  return out;
}

QStringList Texts(const QComboBox& box) {
  QStringList out;
  for (int i = 0; i < box.count(); ++i) out << box.itemText(i);
  return out;
}

std::optional<StoredValue> Stored(const MemorySettingsStore& store, const char* name) {
  return store.Peek(name);
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  QString path = dir.filePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
  return path;
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    FaceTable::SetSource([] {
      return QStringList{
          "Times",         "courier", "Arial", "Arial Black", QString::fromUtf8("Mincho \u660e"),
          "Caf\u00e9 Sans"};
    });
  }
  void cleanup() { FaceTable::SetSource({}); }

  void categoryDialogListsTopLevelCategoriesSortedAndSelectsByPrefix() {
    Document doc;
    const TabInx workshop = *AppendCategory(doc.tabs, "Workshop", 0, NO_PARENT);
    AppendCategory(doc.tabs, "Child of workshop", 0, workshop);
    const TabInx cut = *AppendCategory(doc.tabs, "Cut away", 0, NO_PARENT);
    doc.tabs[cut].state = TabState::Cut;
    AppendCategory(doc.tabs, "home", 0, NO_PARENT);
    ZeltoSettings settings;
    settings.DefaultCat = "work";
    MemorySettingsStore store;

    TCatDialog onlyWorkshop(doc.tabs, settings, store);
    QCOMPARE(Texts(*onlyWorkshop.List()), (QStringList{"home", "Workshop"}));
    QCOMPARE(onlyWorkshop.List()->currentRow(), 1);  // "work" begins "Workshop"

    AppendCategory(doc.tabs, "Work", 0, NO_PARENT);
    TCatDialog both(doc.tabs, settings, store);
    QCOMPARE(Texts(*both.List()), (QStringList{"home", "Work", "Workshop"}));
    QCOMPARE(both.List()->currentRow(), 1);
  }

  void categoryDialogOkStoresTheChosenNameAndCancelNothing() {
    Document doc;
    AppendCategory(doc.tabs, "Private", 0, NO_PARENT);
    AppendCategory(doc.tabs, "Office", 0, NO_PARENT);
    ZeltoSettings settings;
    MemorySettingsStore store;

    TCatDialog cancelled(doc.tabs, settings, store);
    QVERIFY(cancelled.List()->currentRow() < 0);  // "Default" is not in the list
    cancelled.List()->setCurrentRow(0);
    cancelled.reject();
    QCOMPARE(settings.DefaultCat, std::string("Default"));
    QCOMPARE(store.Size(), std::size_t(0));

    TCatDialog dialog(doc.tabs, settings, store);
    QSignalSpy help(&dialog, &ResourceDialog::helpRequested);
    dialog.findChild<QPushButton*>("9")->click();
    QCOMPARE(help.count(), 1);
    QCOMPARE(help.at(0).at(0).toInt(), 9);
    dialog.List()->setCurrentRow(1);  // Private, second in the sorted list
    dialog.findChild<QPushButton*>("1")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(settings.DefaultCat, std::string("Private"));
    QCOMPARE(Stored(store, "DefaultCat"), std::optional<StoredValue>(std::string("Private")));
  }

  void categoryDialogOkWithAnEmptyListChangesNothing() {
    Document doc;
    ZeltoSettings settings;
    MemorySettingsStore store;
    TCatDialog dialog(doc.tabs, settings, store);
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(settings.DefaultCat, std::string("Default"));
    QCOMPARE(store.Size(), std::size_t(0));
  }

  void fontDialogListsStorableFacesAndSelectsByPrefix() {
    ZeltoSettings settings;
    settings.PrintFont = "arial";
    MemorySettingsStore store;
    auto dialog = TFontDialog::ForPrinterFont(settings, store);
    QCOMPARE(dialog->windowTitle(), QString("Printer font"));
    // A face the settings cannot hold is not offered.
    QCOMPARE(Texts(*dialog->FaceBox()),
             (QStringList{"Arial", "Arial Black", QString::fromUtf8("Caf\u00e9 Sans"), "courier",
                          "Times"}));
    QCOMPARE(dialog->FaceBox()->currentText(), QString("Arial"));
    QCOMPARE(dialog->SizeEdit()->text(), QString("10"));
    QCOMPARE(FaceTable::UsageCount(), 0);  // the table is let go once the list is filled
  }

  void fontDialogListsAFamilyOnceAndSelectsTheFaceUsedForAMissingOne() {
    // The face the system draws with when the stored one is not installed.
    const QString used = QFontInfo(QFont(QStringLiteral("No Such Face"))).family();
    FaceTable::SetSource([used] {
      return QStringList{"Nimbus Sans [URW]", "Nimbus Sans [urw]", used, "Zapf"};
    });
    ZeltoSettings settings;
    settings.ScreenFont = "No Such Face";
    MemorySettingsStore store;
    auto dialog = TFontDialog::ForScreenFont(settings, store);
    QCOMPARE(Texts(*dialog->FaceBox()).count(QStringLiteral("Nimbus Sans")), 1);
    QVERIFY(!Texts(*dialog->FaceBox()).join(u' ').contains(u'['));
    QCOMPARE(dialog->FaceBox()->currentText(), used);
  }

  void fontDialogOkTakesSizesFiveToFiftyAndWritesBoth() {
    ZeltoSettings settings;
    settings.ScreenFont = "Times";
    settings.ScreenFontSize = 12;
    MemorySettingsStore store;
    for (const char* rejected : {"4", "51", "", "big"}) {
      auto dialog = TFontDialog::ForScreenFont(settings, store);
      dialog->FaceBox()->setCurrentIndex(0);  // Arial
      dialog->SizeEdit()->setText(rejected);
      dialog->accept();
      QCOMPARE(dialog->result(), int(QDialog::Accepted));
      QCOMPARE(settings.ScreenFontSize, 12u);
      // The old size is written again, with the chosen face.
      QCOMPARE(Stored(store, "ScreenFontSize"), std::optional<StoredValue>(std::uint32_t(12)));
      QCOMPARE(Stored(store, "ScreenFont"), std::optional<StoredValue>(std::string("Arial")));
    }
    auto dialog = TFontDialog::ForPrinterFont(settings, store);
    dialog->FaceBox()->setCurrentIndex(2);
    dialog->SizeEdit()->setText(" 30pt");
    dialog->accept();
    QCOMPARE(settings.PrintFontSize, 30u);
    QCOMPARE(settings.PrintFont, std::string("Caf\xe9 Sans"));
    QCOMPARE(Stored(store, "PrintFont"), std::optional<StoredValue>(std::string("Caf\xe9 Sans")));
    QCOMPARE(Stored(store, "PrintFontSize"), std::optional<StoredValue>(std::uint32_t(30)));
  }

  void fontDialogOkWithoutAFaceChangesNothing() {
    ZeltoSettings settings;  // "Lucida Bright" is not among the faces
    MemorySettingsStore store;
    auto dialog = TFontDialog::ForScreenFont(settings, store);
    QCOMPARE(dialog->FaceBox()->currentIndex(), -1);
    dialog->SizeEdit()->setText("30");
    dialog->accept();
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QCOMPARE(settings.ScreenFontSize, 20u);
    QCOMPARE(store.Size(), std::size_t(0));
  }

  void faceTableHoldsAtMost800FacesAndIsFilledAfreshForEachUse() {
    int fills = 0;
    FaceTable::SetSource([&fills] {
      ++fills;
      QStringList many;
      for (int i = 0; i < 900; ++i) many << QString("Face %1").arg(i);
      return many;
    });
    {
      const FaceTable::Use outer;
      const FaceTable::Use inner;  // a second holder shares the filled table
      QCOMPARE(outer.Faces().size(), FaceTable::Capacity);
      QCOMPARE(outer.Faces().back(), QString("Face 799"));
      QCOMPARE(FaceTable::UsageCount(), 2);
    }
    QCOMPARE(fills, 1);
    { const FaceTable::Use again; }
    QCOMPARE(fills, 2);
  }

  void aboutBoxShowsTheVersionBlockOfTheProgramFile() {
    // This program carries the block like the real one.
    const TProjectRCVersion self;
    QVERIFY(self.HasVersionData());
    TZeltoAboutDlg about(nullptr);
    QCOMPARE(about.windowTitle(), QString("About Zelto"));
    QCOMPARE(about.VersionLine(), QString("Brindamor Version 1.01 2/23/97"));
    QVERIFY(about.CopyrightLine().startsWith(QString::fromUtf8("Copyright \u00a9")));
    QCOMPARE(about.SpecialBuildLine(), QString());
  }

  void aboutBoxWithoutAVersionBlockKeepsItsOwnTexts() {
    QTemporaryDir dir;
    const QString plain = WriteFile(dir, "plain", QByteArray(4096, 'x'));
    QVERIFY(!plain.isEmpty());
    TZeltoAboutDlg about(nullptr, plain);
    QCOMPARE(about.VersionLine(), QString("Version"));
    QCOMPARE(about.CopyrightLine(), QString());
    QCOMPARE(about.SpecialBuildLine(), QString());
    TZeltoAboutDlg missing(nullptr, dir.filePath("does-not-exist"));
    QCOMPARE(missing.VersionLine(), QString("Version"));

    // A block with a special build but no product version: only those lines it has change.
    const std::string block =
        version_block::Encode({{"\\VarFileInfo\\Translation", "0409 04E4"},
                               {"\\StringFileInfo\\040904e4\\ProductName", "Brindamor"},
                               {"\\StringFileInfo\\040904e4\\SpecialBuild", "<b>test build</b>"}});
    const QString special =
        WriteFile(dir, "special", QByteArray("head") + QByteArray(block.data(), int(block.size())));
    TZeltoAboutDlg partial(nullptr, special);
    QCOMPARE(partial.VersionLine(), QString("Version"));
    QCOMPARE(partial.SpecialBuildLine(), QString("<b>test build</b>"));
  }
};

QTEST_MAIN(DialogsTest)
#include "Dialogs_qtest.moc"
