#include "dialogs/PasswordGeneratorDlg.h"

#include "dialogs/ClampedSpinBox.h"
#include "dialogs/GeneratorSettings.h"
#include "dialogs/StrengthBar.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

using namespace PasswordGenerator;

PasswordGeneratorDlg::PasswordGeneratorDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Generate Password"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_length = new ClampedSpinBox(this);
    m_length->setRange(Options::MinLength, Options::MaxLength);
    m_upper = new QCheckBox(tr("&Upper case (A-Z)"), this);
    m_lower = new QCheckBox(tr("Lo&wer case (a-z)"), this);
    m_digits = new QCheckBox(tr("&Digits (0-9)"), this);
    // "&&" shows the ampersand itself: the label reads as written.
    m_symbols = new QCheckBox(tr("&Symbols (!#%&&…)"), this);
    m_lookAlikes = new QCheckBox(tr("a&void look-alike characters"), this);

    m_password = new QLineEdit(this);
    m_password->setReadOnly(true);
    m_password->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_password->setMinimumWidth(m_password->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 24);
    m_strength = new QLabel(this);
    m_strengthBar = new StrengthBar(this);

    // A row of plain buttons: a button box would lay out its own focus chain when shown, over the
    // one below.
    m_copy = new QPushButton(tr("C&opy"), this);
    m_regenerate = new QPushButton(tr("&Regenerate"), this);
    m_close = new QPushButton(tr("&Close"), this);
    m_copy->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_copy);
    buttons->addWidget(m_regenerate);
    buttons->addStretch();
    buttons->addWidget(m_close);

    auto* form = new QFormLayout;
    form->addRow(tr("&Length:"), m_length);
    form->addRow(tr("Characters:"), m_upper);
    for (QCheckBox* box : { m_lower, m_digits, m_symbols, m_lookAlikes })
        form->addRow(QString(), box);
    form->addRow(tr("&Password:"), m_password);
    // The grade of the exact bits the generator gives, beside them.
    auto* strength = new QHBoxLayout;
    strength->addWidget(m_strengthBar, 1);
    strength->addWidget(m_strength);
    auto* strengthCaption = new QLabel(tr("Strength:"), this);
    strengthCaption->setBuddy(m_strength);
    form->addRow(strengthCaption, strength);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Tab visits every control once, top to bottom, then the buttons, and comes back to Length.
    const QList<QWidget*> order { m_length, m_upper, m_lower, m_digits, m_symbols, m_lookAlikes, m_password, m_copy,
        m_regenerate, m_close };
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    setTabOrder(m_close, m_length);

    setOptions(GeneratorSettings::load());
    connect(m_length, &QSpinBox::valueChanged, this, &PasswordGeneratorDlg::optionsChanged);
    for (QCheckBox* box : { m_upper, m_lower, m_digits, m_symbols, m_lookAlikes })
        connect(box, &QCheckBox::toggled, this, &PasswordGeneratorDlg::optionsChanged);
    connect(m_regenerate, &QPushButton::clicked, this, &PasswordGeneratorDlg::regenerate);
    connect(m_copy, &QPushButton::clicked, this, [this] {
        if (!password().isEmpty())
            Q_EMIT copyRequested(password());
    });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
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

void PasswordGeneratorDlg::setOptions(const Options& options)
{
    {
        const QScopedValueRollback quiet(m_settingOptions, true);
        m_length->setValue(clampedLength(options.length));
        for (CharacterClass c : { Upper, Lower, Digits, Symbols })
            classBox(c)->setChecked(options.classes & c);
        m_lookAlikes->setChecked(options.avoidLookAlikes);
    }
    regenerate();
}

void PasswordGeneratorDlg::optionsChanged()
{
    if (m_settingOptions)
        return;
    GeneratorSettings::save(options());
    regenerate();
}

QString PasswordGeneratorDlg::password() const { return m_password->text(); }

void PasswordGeneratorDlg::regenerate()
{
    const Options chosen = options();
    m_password->setText(generate(chosen));
    const bool any = chosen.classes != 0;
    const double bits = strengthBits(chosen);
    m_strength->setText(any ? tr("%1 bits").arg(std::floor(bits)) : tr("Choose at least one kind of character."));
    // A screen reader names the value by its caption.
    m_strength->setAccessibleName(tr("Strength: %1").arg(m_strength->text()));
    m_strengthBar->setGrade(any ? std::optional(PasswordStrength::gradeForBits(bits)) : std::nullopt);
    m_strengthBar->setVisible(any);
    m_copy->setEnabled(any);
}
