#pragma once

#include <QString>
#include <QStringList>

class QRandomGenerator;

// The working tips of the tips dialog ("Víte že... ?") and how one is
// chosen: at random, repeats allowed.
namespace Tips {

const QStringList &all(); // the 34 tips, in order
// The index of a tip chosen at random.
int pick(QRandomGenerator &random);

} // namespace Tips
