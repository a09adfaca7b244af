#pragma once

#include <QStringList>

class QRandomGenerator;
class QTextStream;

// The generator without windows, for scripts:
//   qvfsch --from 2027-01-05 --to 2027-03-03 --every 3 --name "Water the plants" --output f.qvf
// or --weekdays Mon,Fri instead of --every N. It checks the values as the wizard does, prints
// the summary text and the number of entries on out, and writes the same scrambled file as
// "Save Data". An existing file is never replaced unasked: --add adds the events to that
// calendar, --replace replaces it. Problems go to err with exit status 1.
namespace qvfsch {

// arguments as from QCoreApplication::arguments(), the program first. Returns the exit status.
int RunBatch(const QStringList& arguments, QTextStream& out, QTextStream& err,
             QRandomGenerator& random);

} // namespace qvfsch
