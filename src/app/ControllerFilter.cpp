// The song list's filter: stepping through the items built from the current song, the
// quick filters (artist, tempo, played) and the typed filter text.
#include "app/Controller.h"

#include "display/DisplayWindows.h"
#include "library/SongFilter.h"
#include "platform/Commands.h"
#include "platform/NotificationCenter.h"

namespace partivo {

namespace {

// The quick filter a special word names (0 for any other word).
int quickFilterPred(const QString& word)
{
    if (word == QLatin1String("ARTIST"))
        return FilterPredArtist;
    if (word == QLatin1String("TEMPO"))
        return FilterPredTempo;
    if (word == QLatin1String("PLAYED"))
        return FilterPredPlayed;
    return FilterStep;
}

int quickFilterField(int pred)
{
    return pred == FilterPredArtist  ? FilterArtist
           : pred == FilterPredTempo ? FilterTempo
                                     : FilterPlayed;
}

} // namespace

void Controller::prevNextFilterNoG(int step, int pred, bool refresh)
{
    // The filter narrows the open list; with the list closed there is nothing to narrow.
    if (!navigator_.tocON)
        return;
    toc_.noPageToc = partivo::prevNextFilterNoG(data_, step, kFilterOn, pred, refresh);
    showFilterResult();
}

void Controller::showFilterResult()
{
    remplirToc();
    windows_.afficherTocX(true, data_.nbTocG, data_.filterType != 0); // the Filter button
}

void Controller::stepFilter(int step)
{
    if (!navigator_.tocON)
        afficherToc();
    prevNextFilterNoG(step, FilterStep, false);
}

void Controller::chooseFilterItem(int item)
{
    if (!navigator_.tocON)
        afficherToc();
    toc_.noPageToc = partivo::chooseFilterItem(data_, item);
    showFilterResult();
}

void Controller::filter()
{
    if (!navigator_.tocON)
        afficherToc();
    const std::optional<QString> text = shell_.askFilterText(data_.filterString, data_.tags);
    if (!text)
        return;
    data_.filterString = *text;
    center_.postParam(QString::fromLatin1(action::Key), cmd::ApplyFilter);
}

void Controller::applyFilterText()
{
    if (!navigator_.tocON)
        afficherToc();
    if (!data_.filterString.isEmpty()) {
        data_.filterType = 0; // the items start with the new text
        prevNextFilterNoG(1, FilterStep, true);
    } else if (data_.filterType != 0 && data_.filterField == FilterText) {
        prevNextFilterNoG(kFilterClear, FilterStep, false); // the text was emptied
    } else {
        prevNextFilterNoG(1, FilterStep, false);
    }
}

void Controller::actionDisplayHideListReceived(const QString& word)
{
    if (word.isEmpty()) {
        navigator_.actionEqual();
        return;
    }
    const int pred = quickFilterPred(word);
    const bool sameFilter =
        data_.filterType != 0 &&
        (pred == FilterStep ? data_.filterField == FilterText && data_.filterString == word
                            : data_.filterField == quickFilterField(pred));
    if (navigator_.tocON && sameFilter) {
        data_.filterString.clear();
        clearFilter(data_);
        hideSongList();
        return;
    }
    if (!navigator_.tocON)
        afficherToc();
    if (pred == FilterStep)
        data_.filterString = word;
    data_.filterType = 0; // the items are built again from the current song
    prevNextFilterNoG(1, pred, true);
}

} // namespace partivo
