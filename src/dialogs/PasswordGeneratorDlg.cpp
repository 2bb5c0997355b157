#include "dialogs/PasswordGeneratorDlg.h"

#include "dialogs/StrengthBar.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

using namespace PasswordGenerator;

PasswordGeneratorDlg::PasswordGeneratorDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Generate Password"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_length = new QSpinBox(this);
    m_length->setRange(Options::MinLength, Options::MaxLength);
    m_length->setValue(Options::DefaultLength);
    m_upper = new QCheckBox(QStringLiteral("Upper case (A-Z)"), this);
    m_lower = new QCheckBox(QStringLiteral("Lower case (a-z)"), this);
    m_digits = new QCheckBox(QStringLiteral("Digits (0-9)"), this);
    m_symbols = new QCheckBox(QStringLiteral("Symbols (!#%&...)"), this);
    m_lookAlikes = new QCheckBox(QStringLiteral("avoid look-alike characters"), this);
    for (QCheckBox* box : { m_upper, m_lower, m_digits, m_symbols })
        box->setChecked(true);

    m_password = new QLineEdit(this);
    m_password->setReadOnly(true);
    m_password->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_password->setMinimumWidth(m_password->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 24);
    m_strength = new QLabel(this);
    m_strengthBar = new StrengthBar(this);

    m_copy = new QPushButton(QStringLiteral("Copy"), this);
    m_regenerate = new QPushButton(QStringLiteral("Regenerate"), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(m_copy, QDialogButtonBox::ActionRole);
    buttons->addButton(m_regenerate, QDialogButtonBox::ActionRole);
    m_copy->setDefault(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Length:"), m_length);
    form->addRow(QStringLiteral("Characters:"), m_upper);
    for (QCheckBox* box : { m_lower, m_digits, m_symbols, m_lookAlikes })
        form->addRow(QString(), box);
    form->addRow(QStringLiteral("Password:"), m_password);
    // The grade of the exact bits the generator gives, beside them.
    auto* strength = new QHBoxLayout;
    strength->addWidget(m_strengthBar, 1);
    strength->addWidget(m_strength);
    form->addRow(QStringLiteral("Strength:"), strength);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_length, &QSpinBox::valueChanged, this, &PasswordGeneratorDlg::regenerate);
    for (QCheckBox* box : { m_upper, m_lower, m_digits, m_symbols, m_lookAlikes })
        connect(box, &QCheckBox::toggled, this, &PasswordGeneratorDlg::regenerate);
    connect(m_regenerate, &QPushButton::clicked, this, &PasswordGeneratorDlg::regenerate);
    connect(m_copy, &QPushButton::clicked, this, [this] {
        if (!password().isEmpty())
            Q_EMIT copyRequested(password());
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    regenerate();
}

QCheckBox* PasswordGeneratorDlg::classBox(CharacterClass characterClass) const
{
    switch (characterClass) {
    case Upper:
        return m_upper;
    case Lower:
        return m_lower;
    case Digits:
        return m_digits;
    case Symbols:
        return m_symbols;
    }
    return nullptr;
}

Options PasswordGeneratorDlg::options() const
{
    Options options;
    options.length = m_length->value();
    options.classes = 0;
    for (CharacterClass c : { Upper, Lower, Digits, Symbols })
        if (classBox(c)->isChecked())
            options.classes |= c;
    options.avoidLookAlikes = m_lookAlikes->isChecked();
    return options;
}

QString PasswordGeneratorDlg::password() const { return m_password->text(); }

void PasswordGeneratorDlg::regenerate()
{
    const Options chosen = options();
    m_password->setText(generate(chosen));
    const bool any = chosen.classes != 0;
    const double bits = strengthBits(chosen);
    m_strength->setText(any ? QStringLiteral("%1 bits").arg(std::floor(bits))
                            : QStringLiteral("Choose at least one kind of character."));
    m_strengthBar->setGrade(any ? std::optional(PasswordStrength::gradeForBits(bits)) : std::nullopt);
    m_strengthBar->setVisible(any);
    m_copy->setEnabled(any);
}
