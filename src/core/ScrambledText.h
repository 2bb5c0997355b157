#pragma once

#include "core/SecretWipe.h"

#include <QString>

#include <utility>

class CArchive;

// A text that is plain in memory and stored through a fixed, keyless two-stage substitution with a
// reversal between the stages. This hides texts from casual eyes in the file; it is not encryption.
class ScrambledText {
public:
    ScrambledText() = default;
    ScrambledText(const QString& text)
        : m_text(text)
    {
    } // NOLINT: a text converts implicitly
    ScrambledText& operator=(const QString& text) // keeps the flags
    {
        QString old = std::exchange(m_text, text);
        SecretWipe::text(old);
        return *this;
    }
    // The text is wiped when it goes, unless another copy still holds it.
    ~ScrambledText() { SecretWipe::text(m_text); }
    ScrambledText(const ScrambledText&) = default;
    ScrambledText(ScrambledText&&) noexcept = default;
    ScrambledText& operator=(const ScrambledText& other)
    {
        if (this != &other)
            *this = ScrambledText(other);
        return *this;
    }
    ScrambledText& operator=(ScrambledText&& other) noexcept
    {
        // What this held leaves with `other`, which wipes it.
        std::swap(m_text, other.m_text);
        std::swap(m_reversed, other.m_reversed);
        std::swap(m_substituted, other.m_substituted);
        std::swap(m_tokenized, other.m_tokenized);
        return *this;
    }

    const QString& text() const { return m_text; }
    operator const QString&() const { return m_text; } // NOLINT

    // Turns the plain text into its stored form in place (nothing happens to an empty text).
    void Scramble();
    // Turns the stored form back into plain text in place (nothing happens to an empty text).
    void Unscramble();

    bool isReversed() const { return m_reversed; }
    bool isSubstituted() const { return m_substituted; }
    bool isTokenized() const { return m_tokenized; }

    bool operator==(const ScrambledText& other) const { return m_text == other.m_text; }

    static QString scrambled(QStringView plain);
    static QString unscrambled(QStringView stored);

    // True when the text comes back unchanged from storing and loading: it holds none of the 94
    // code points the first stage substitutes for plain characters (U+FFA0 to U+FFFE but U+FFFD).
    static bool IsStorable(QStringView plain);
    // Index of the first character that would not come back as typed, or -1.
    static qsizetype firstUnstorable(QStringView plain);

    // Entry i (0 to 93) of the two substitution tables: a plain character, the code point the first
    // stage puts in its place and the three-character token the second stage stores for that.
    struct TableEntry {
        char16_t plain;
        char16_t target;
        QString token;
    };
    static constexpr int kTableSize = 94;
    static TableEntry tableEntry(int i);

private:
    QString m_text;
    bool m_reversed = false;
    bool m_substituted = false;
    bool m_tokenized = false;
};

// Stores the scrambled form of the plain text; the text itself is not touched.
CArchive& operator<<(CArchive& ar, const ScrambledText& text);
// Loads a stored text and unscrambles it into `text`.
CArchive& operator>>(CArchive& ar, ScrambledText& text);
