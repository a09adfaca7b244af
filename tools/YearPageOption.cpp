#include "tools/YearPageOption.h"

void declareYearPage(QCommandLineParser& parser) {
    parser.addOption({QStringLiteral("year-page"),
                      QStringLiteral("Print the twelve months on one page; alone, or before the "
                                     "month pages that --months names.")});
}

PrintPlan PrintPlanOf(const QCommandLineParser& parser, const std::vector<int>& months) {
    if (!parser.isSet(QStringLiteral("year-page"))) return {false, months};
    return {true, parser.isSet(QStringLiteral("months")) ? months : std::vector<int>{}};
}
