// The window in German, French and Spanish. This executable runs with LANGUAGE=de, as a German
// user starts the program: the start-up code picks the language from the locale.
#include "accounts/AccountFactory.h"
#include "app/CommandTable.h"
#include "app/ExpiringDlg.h"
#include "app/FrameTest.h"
#include "app/PreferencesDlg.h"
#include "app/Translations.h"
#include "dialogs/AccountEditor.h"
#include "dialogs/PasswordGeneratorDlg.h"
#include "support/KeyboardReach.h"

#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QTranslator>

namespace {

// Takes away every translation installed: the window speaks English again.
void useEnglish()
{
    for (QTranslator* translator : qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly))
        delete translator;
}

// A language for the lifetime of a test; made before the window, so that the window is built in it.
struct InLanguage {
    explicit InLanguage(const QString& language)
    {
        useEnglish();
        if (!language.isEmpty()) {
            EXPECT_EQ(Translations::install(*qApp, { language }), language);
        }
    }
    ~InLanguage() { useEnglish(); }
};

QStringList menuTitles(const CMainFrame& frame)
{
    QStringList titles;
    for (QAction* menu : frame.menuBar()->actions())
        titles << menu->text();
    return titles;
}

QStringList labelTexts(const QWidget& window)
{
    QStringList texts;
    for (const QLabel* label : window.findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

TEST(TranslationsTest, UserLanguagesGiveTheTranslationsToTry)
{
    const struct {
        QStringList uiLanguages;
        QStringList expected;
    } rows[] = {
        { { "de-AT" }, { "de_AT", "de" } },
        { { "de_AT.UTF-8" }, { "de_AT", "de" } },
        { { "fr_FR@euro", "es" }, { "fr_FR", "fr", "es" } },
        { { "de-DE", "de" }, { "de_DE", "de" } },
        { { "C", "es-419" }, { "es_419", "es" } },
        { { "en-US", "de" }, {} },
        { { "it", "en", "fr" }, { "it" } },
        { { "" }, {} },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.uiLanguages.join(u',').toStdString());
        EXPECT_EQ(Translations::candidates(row.uiLanguages), row.expected);
    }
}

TEST(TranslationsTest, TheFirstLanguageTranslatedWinsWithQtsOwnTexts)
{
    testApplication();
    const struct {
        QStringList uiLanguages;
        const char* installed;
        const char* cancel; // Qt's own button, from qtbase_<lang>
        const char* file; // a menu of ours
    } rows[] = {
        { { "de-AT" }, "de", "Abbrechen", "&Datei" },
        { { "it-IT", "fr-CA" }, "fr", "Annuler", "&Fichier" },
        { { "es_MX.UTF-8" }, "es", "Cancelar", "&Archivo" },
        { { "en-GB", "de" }, "", "Cancel", "&File" },
        { { "pt-BR" }, "", "Cancel", "&File" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.uiLanguages.join(u',').toStdString());
        useEnglish();
        EXPECT_EQ(Translations::install(*qApp, row.uiLanguages), QLatin1String(row.installed));
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QLatin1String(row.cancel));
        EXPECT_EQ(QCoreApplication::translate("CMainFrame", "&File"), QString::fromUtf8(row.file));
    }
    useEnglish();
}

// The window as the program starts it under LANGUAGE=de: menus, a dialog and a message in German.
struct GermanStart {
    GermanStart()
    {
        useEnglish();
        testApplication();
        EXPECT_EQ(Translations::installForSystem(*qApp), QStringLiteral("de"));
    }
    ~GermanStart() { useEnglish(); }
};

class GermanWindowTest : public GermanStart, public FrameTest { };

TEST_F(GermanWindowTest, MenusDialogsAndMessagesSpeakGerman)
{
    EXPECT_EQ(menuTitles(frame), QStringList({ "&Datei", "&Bearbeiten", "&Konto", "&Ansicht" }));
    EXPECT_EQ(action(ID_FILE_OPEN)->text(), QStringLiteral("Ö&ffnen"));
    EXPECT_EQ(action(ID_FILE_OPEN)->statusTip(), QStringLiteral("Ein vorhandenes Dokument öffnen"));
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Unbenannt - Quorril"));

    // A dialog: its caption and labels; OK with the required fields empty says which, in German.
    onNextModal([](QWidget* modal) {
        EXPECT_EQ(modal->windowTitle(), QStringLiteral("Bankkonto"));
        const QStringList labels = labelTexts(*modal);
        EXPECT_TRUE(labels.contains(QStringLiteral("Kontonr.:"))) << labels.join(u'|').toStdString();
        EXPECT_TRUE(labels.contains(QStringLiteral("Bankleitzahl:")));
        auto* dialog = qobject_cast<TableAccountDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        QTest::mouseClick(dialog->control<QPushButton>(kIdOk), Qt::LeftButton);
    });
    prompts.addAnswer(false);
    trigger(ID_NEW_BANK);
    ASSERT_FALSE(prompts.shown.isEmpty());
    EXPECT_EQ(prompts.shown.last(),
        QStringLiteral("Das Konto kann nicht angelegt oder aktualisiert werden, wenn diese Felder leer sind:\n"
                       "   - Titel\n   - Bankinstitut\n   - Kontoinhaber\n   - Kontonummer\n\n"
                       "Möchten Sie zurückgehen und sie bearbeiten?"));

    // An account: the tree's category, the property labels and the type's name.
    newAccount(ID_NEW_BANK,
        { { Bank::Title, "Giro" }, { Bank::Institution, "Sparkasse" }, { Bank::NameOnAccount, "Anna" },
            { Bank::AccountNumber, "123" } });
    select(AccountType::Bank, QStringLiteral("Giro"));
    const QStringList rows = shownRows();
    EXPECT_EQ(rows.mid(0, 3), QStringList({ "Typ=Bank", "Titel=Giro", "Institut=Sparkasse" }));
    EXPECT_EQ(CQuorrilView::nodeText(frame.treeView()->categoryNode(AccountType::Bank)), QStringLiteral("Banken"));

    // A message of the document: the question before a delete.
    prompts.addAnswer(false);
    trigger(ID_ACCOUNT_DELETE);
    EXPECT_EQ(prompts.shown.last(), QStringLiteral("Möchten Sie das Konto „Giro“ wirklich löschen?"));
}

// Each language gives every menu and dialog of ours its letters, no two alike.
class LanguageLettersTest : public testing::WithParamInterface<const char*>, public InLanguage, public FrameTest {
protected:
    LanguageLettersTest()
        : InLanguage(QString::fromLatin1(GetParam()))
    {
    }
};

TEST_P(LanguageLettersTest, NoTwoEntriesOrControlsShareALetter)
{
    ASSERT_NE(menuTitles(frame).first(), QStringLiteral("&File")) << "not translated";
    EXPECT_EQ(KeyboardReach::clash(menuTitles(frame)), std::nullopt);
    for (QAction* menu : frame.menuBar()->actions()) {
        SCOPED_TRACE(menu->text().toStdString());
        EXPECT_EQ(KeyboardReach::clash(KeyboardReach::entryTexts(*menu->menu())), std::nullopt);
    }
    PreferencesDlg preferencesDlg(preferences, &frame);
    PasswordGeneratorDlg generator(&frame);
    ExpiringDlg expiring(
        doc, [] { return QDate(2024, 1, 1); }, &frame);
    for (QWidget* window : std::initializer_list<QWidget*> { &preferencesDlg, &generator, &expiring }) {
        SCOPED_TRACE(window->windowTitle().toStdString());
        window->show();
        EXPECT_EQ(KeyboardReach::clash(KeyboardReach::controlTexts(*window)), std::nullopt);
        for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
            if (button->focusPolicy() != Qt::NoFocus) {
                EXPECT_TRUE(KeyboardReach::mnemonic(button->text()).has_value()) << button->text().toStdString();
            }
        window->hide();
    }
}

// The account dialogs keep their fixed size in every language: each label must still show whole.
TEST_P(LanguageLettersTest, EveryLabelOfTheAccountDialogsShowsWhole)
{
    for (AccountType type : kAccountTypes) {
        std::unique_ptr<CAccountDialog> dialog = createAccountDialog(type, &doc, AccountId::None, prompts, &frame);
        dialog->show();
        for (const QLabel* label : dialog->findChildren<QLabel*>()) {
            if (!label->isVisible() || label->wordWrap() || label->text().isEmpty())
                continue;
            const int needed = label->fontMetrics().horizontalAdvance(label->text());
            EXPECT_LE(needed, label->contentsRect().width())
                << dialog->windowTitle().toStdString() << ": \"" << label->text().toStdString() << "\"";
        }
        dialog->hide();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageLettersTest, testing::Values("de", "fr", "es"));

// A wallet made through the window's New dialogs, every edit filled and every other control left as
// a new account starts (type boxes, dates, numbers), saved classic: its bytes.
QByteArray walletMadeIn(const QString& language, const QString& folder)
{
    InLanguage inLanguage(language);
    ScriptedPrompts prompts;
    QSettings settings(folder + QStringLiteral("/settings-%1.ini").arg(language), QSettings::IniFormat);
    RecentFileList recentFiles(settings);
    Preferences preferences(settings);
    // Classic: the same accounts give the same bytes (an encrypted file has a random salt).
    preferences.setValue(Preferences::EncryptNewWallets, false);
    CQuorrilDoc doc(prompts);
    CMainFrame frame(doc, prompts, recentFiles, preferences);
    doc.OnNewDocument();
    EXPECT_FALSE(doc.isEncrypted());
    frame.show();
    for (int command : CommandTable::newAccountMenu()) {
        onNextModal([](QWidget* modal) {
            int n = 0;
            for (QLineEdit* edit : modal->findChildren<QLineEdit*>())
                if (edit->isVisible() && !edit->isReadOnly() && edit->text().isEmpty())
                    edit->setText(QStringLiteral("Text %1").arg(++n));
            for (QPlainTextEdit* memo : modal->findChildren<QPlainTextEdit*>())
                if (memo->isVisible() && memo->toPlainText().isEmpty())
                    memo->setPlainText(QStringLiteral("Note %1").arg(++n));
            auto* dialog = qobject_cast<TableAccountDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            QTest::mouseClick(dialog->control<QPushButton>(kIdOk), Qt::LeftButton);
        });
        frame.action(command)->trigger();
    }
    EXPECT_EQ(doc.accountCount(), int(CommandTable::newAccountMenu().size())) << language.toStdString();
    // A new account's dates hold the moment its dialog opened: one fixed moment instead, so that runs compare.
    std::vector<AccountId> ids;
    for (const auto& [id, account] : doc.accounts())
        ids.push_back(id);
    for (AccountId id : ids) {
        std::unique_ptr<AccountRecord> account = cloneAccount(*doc.accounts().at(id));
        const std::span<const FieldSpec> fields = account->layout().fields;
        for (size_t i = 0; i < fields.size(); ++i)
            if (fields[i].kind == FieldKind::Date)
                account->setField(int(i), OleDateTime::fromDate(QDate(2030, 1, 2), QTime(12, 0)));
        doc.EditAccount(std::move(account));
    }
    doc.setPassword(QStringLiteral("pass"));
    const QString file = folder + QStringLiteral("/wallet-%1.qrl").arg(language);
    EXPECT_TRUE(doc.OnSaveDocument(file));
    QFile saved(file);
    return saved.open(QIODevice::ReadOnly) ? saved.readAll() : QByteArray();
}

class LanguageFileTest : public WindowTest { };

TEST_F(LanguageFileTest, AWalletIsByteIdenticalInEveryLanguage)
{
    const QByteArray english = walletMadeIn(QString(), path(QString()));
    ASSERT_GT(english.size(), 100);
    for (const char* language : { "de", "fr", "es" }) {
        SCOPED_TRACE(language);
        const QByteArray bytes = walletMadeIn(QString::fromLatin1(language), path(QString()));
        // The first byte that differs says more than two dumps.
        qsizetype at = 0;
        while (at < bytes.size() && at < english.size() && bytes[at] == english[at])
            ++at;
        EXPECT_EQ(at, english.size()) << "differs from byte " << at << ": \""
                                      << bytes.mid(at, 40).toHex(' ').toStdString() << "\" for \""
                                      << english.mid(at, 40).toHex(' ').toStdString() << "\"";
        EXPECT_EQ(bytes.size(), english.size());
    }
}

} // namespace
