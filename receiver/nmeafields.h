#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The text that stands in an NMEA field list for every empty field. Made once and
// shared by every parser.
extern const QString notValid;

// The field list of one NMEA 0183 line, read in place.
//
// Field 0 is the talker (the address field without its three-letter sentence type),
// field n the n-th data field after the address. The list ends at the first '*'.
// An empty data field, and any field past the end of the list, is "not present":
// it reads as the empty-field marker, that is as 0 for numbers and 'n' for letters,
// so a short or truncated sentence can never make a handler read past its fields.
//
// Lines of Latin-1 text (all the receiver ever sends) are cut into byte spans without
// copying; numbers are converted from the bytes with the same results as
// QString::toDouble/toShort/toInt in the C locale. Text with characters beyond
// Latin-1 keeps the QString field list, so nothing is lost in a narrowing copy.
class NMEAFields
{
public:
    // A line of bytes, each taken as a Latin-1 character. The bytes must outlive
    // the field list.
    NMEAFields(const char *line, int size);
    // A line of text; the field list keeps what it needs of it.
    explicit NMEAFields(const QString &line);

    NMEAFields(const NMEAFields &) = delete;
    NMEAFields &operator=(const NMEAFields &) = delete;

    // The number of fields, field 0 (the talker) included.
    int count() const { return m_count; }

    // True when field n exists, is not empty and is not the empty-field marker.
    bool isPresent(int n) const;

    // Field n converted as a C-locale double, short or int; 0 where the text does
    // not convert, where it is empty or where the field is missing. ok, when given, is
    // false only for a present field whose text does not convert (junk is never a
    // number, however it arrived).
    double number(int n, bool *ok = nullptr) const;
    short toShort(int n, bool *ok = nullptr) const;
    int toInt(int n, bool *ok = nullptr) const;
    // The first character of field n as a Latin-1 char; 'n' for an empty or missing
    // field (the first letter of the empty-field marker).
    char letter(int n) const;

    // Copies the talker into a three-byte record field: at most two characters and
    // always a terminating NUL, whatever the address field held.
    void copyTalker(char (&talker)[3]) const;

    // The conversions on one span of Latin-1 bytes, exposed for the parser's
    // checksum digits and for tests against QString's own conversions.
    static double toNumber(const char *text, int size, bool *ok = nullptr);
    static int toInteger(const char *text, int size, int base, bool *ok = nullptr);

    // The field list of a line as text, every empty data field holding `notValid`.
    static QStringList markEmptyFields(const QString &line);

private:
    struct Span
    {
        int start = 0;
        int size = 0;
    };
    // No handler reads past field 19 (a GSV's fourth satellite); only the count
    // matters beyond that.
    static constexpr int kMaxSpans = 24;

    void split(const char *line, int size);
    bool spanPresent(const Span &span) const;

    const char *m_text = nullptr;
    QByteArray m_storage;      // owns m_text when built from a Latin-1 QString
    QStringList m_strings;     // used instead of spans for text beyond Latin-1
    bool m_useStrings = false;
    int m_count = 0;
    Span m_spans[kMaxSpans];
};
