// Expands the events of an iCalendar file with ical.js and prints every occurrence that
// falls in the given years, one JSON object a line: {"date": "YYYY-MM-DD", "categories":
// "A,B", "summary": "..."}.
//
// usage: node expand-ics.mjs PATH/TO/ical.js FILE.ics FIRST_YEAR LAST_YEAR
import { readFileSync } from 'node:fs';
import { pathToFileURL } from 'node:url';

const [modulePath, file, firstYear, lastYear] = process.argv.slice(2);
const ICAL = (await import(pathToFileURL(modulePath).href)).default;
const first = Number(firstYear);
const last = Number(lastYear);
const calendar = new ICAL.Component(ICAL.parse(readFileSync(file, 'utf8')));
const pad = (n, width) => String(n).padStart(width, '0');

for (const vevent of calendar.getAllSubcomponents('vevent')) {
  const event = new ICAL.Event(vevent);
  const categories = vevent.getAllProperties('categories').flatMap((p) => p.getValues()).join(',');
  const print = (t) => {
    if (t.year < first || t.year > last) return;
    const date = `${pad(t.year, 4)}-${pad(t.month, 2)}-${pad(t.day, 2)}`;
    console.log(JSON.stringify({ date, categories, summary: event.summary }));
  };
  if (!event.isRecurring()) {
    print(event.startDate);
    continue;
  }
  // A yearly event from 1880 has a few hundred occurrences up to the last year; the bound
  // only keeps a faulty rule from running for ever.
  const occurrences = event.iterator();
  for (let t = occurrences.next(), n = 0; t && t.year <= last && n < 5000; t = occurrences.next(), ++n)
    print(t);
}
