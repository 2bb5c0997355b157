#include "dialogs/ControlAdapter.h"
#include "core/AccountTypes.h"
#include "dialogs/DialogTest.h"
#include "document/DocumentTexts.h"

namespace {

class ControlAdapters : public DialogTest { };

TEST_F(ControlAdapters, EveryKindShowsAFieldAndTakesItBackUnchanged)
{
    struct Row {
        ControlKind kind;
        FieldValue field; // of the type the control starts with
        bool transfers; // false: take leaves the field alone
    };
    const ScrambledText other(QStringLiteral("left alone"));
    // clang-format off
    const Row rows[] = {
        { ControlKind::Edit, ScrambledText(QStringLiteral("  blanks around  ")), true },
        { ControlKind::UpperEdit, ScrambledText(QStringLiteral("CAPITALS")), true },
        { ControlKind::Memo, ScrambledText(QStringLiteral("one\r\ntwo")), true },
        { ControlKind::MemoHScroll, ScrambledText(QStringLiteral("one\ntwo")), true },
        { ControlKind::TypeBox, ScrambledText(QStringLiteral("not in the list")), true },
        { ControlKind::DatePicker, OleDateTime(45000.75), true },
        { ControlKind::AprEdit, 12.345678901234, true },
        { ControlKind::MinutesEdit, qint32(-2147483647 - 1), true },
        { ControlKind::CheckBox, qint32(1), true },
        { ControlKind::UsersBox, other, false },
        { ControlKind::PushButton, other, false },
        { ControlKind::OkButton, other, false },
        { ControlKind::CancelButton, other, false },
        { ControlKind::GroupBox, other, false },
        { ControlKind::Static, other, false },
    };
    // clang-format on
    auto host = open(AccountType::Bank);
    for (const Row& row : rows) {
        SCOPED_TRACE(int(row.kind));
        const ControlAdapter& adapter = ControlAdapter::of(row.kind);
        const ControlSpec control { 9000, row.kind, "Text:", { 7, 7, 60, 12 } };
        std::unique_ptr<QWidget> widget(adapter.create(control, *host));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parent(), host.get());
        ASSERT_EQ(adapter.initialValue().index(), row.field.index());
        adapter.show(widget.get(), row.field);
        FieldValue taken = row.transfers ? adapter.initialValue() : row.field;
        EXPECT_TRUE(adapter.take(widget.get(), taken, prompts));
        EXPECT_EQ(taken, row.field);
    }
    EXPECT_TRUE(prompts.shown.isEmpty());
}

TEST(DocumentTexts, CodePointsHaveAtLeastFourUpperCaseHexDigits)
{
    // The dialogs and the command line name a character the same way.
    const std::pair<char16_t, const char*> rows[]
        = { { 0x41, "U+0041" }, { 0xE9, "U+00E9" }, { 0x1F4, "U+01F4" }, { 0xFFA0, "U+FFA0" }, { 0xFFFE, "U+FFFE" } };
    for (const auto& [code, name] : rows)
        EXPECT_EQ(DocumentText::codePoint(QChar(code)), QLatin1StringView(name));
}

} // namespace
