#pragma once

#include <QString>
#include <QStringView>
#include <QVector>

namespace kelvaro {

/// A base form that one of WordNet's detachment rules leaves, with the rule's part of speech.
struct DetachedForm
{
    QChar part; ///< 'n', 'v' or 'a'
    QString form;
};

/// What WordNet's detachment rules leave of word (already lower case), in the rules' order:
/// nouns ("ies" -> "y", "ches" -> "ch", "men" -> "man" ...), verbs ("ied", "ing" -> "e" ...),
/// adjectives ("er", "est"), each part's form once. Each still has to be found in the index for
/// its part.
QVector<DetachedForm> detachedForms(QStringView word);

} // namespace kelvaro
