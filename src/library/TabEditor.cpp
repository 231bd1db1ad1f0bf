#include "library/TabEditor.h"

#include "library/TabEditorTexts.h"
#include "platform/Commands.h"
#include "platform/Dialogs.h"
#include "platform/NotificationCenter.h"
#include "platform/Prefs.h"

#include <algorithm>

namespace partivo {

namespace {

QString tr8(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

TabEditor::TabEditor(Data& data, NotificationCenter& center, Clipboard& clipboard, int tab)
    : data_(data), center_(center), clipboard_(clipboard), tabNo_(std::clamp(tab, 1, 9))
{
}

QStringList TabEditor::lignesDe(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return lines;
}

void TabEditor::postKey(int command)
{
    center_.postParam(QLatin1String(action::Key), command);
}

void TabEditor::ouvrir()
{
    chargerDonnees();
    postKey(cmd::MidiEditorOpened);
}

void TabEditor::chargerDonnees()
{
    record_ = data_.tabs[size_t(tabNo_)];
    brandNew_ = record_.list.isEmpty() && record_.tabName.isEmpty();
    if (brandNew_) {
        record_.optSel = TabDet::Setlist;
        record_.tabSort = TabDet::ListOrder;
        record_.tabSortAlt = TabDet::ListOrder;
        record_.lookInto = TabDet::TitleArtistTags;
        record_.tabPrefix.clear();
        record_.tabPrefixAlt.clear();
    }
    name_ = record_.tabName;
    kind_ = record_.optSel == TabDet::Setlist ? SetlistKind : CollectionKind;
    rule_ = kind_ == SetlistKind ? int(TabDet::AnyKeyword) : record_.optSel;
    lookInto_ = record_.lookInto;
    tabSort_ = record_.tabSort;
    tabSortAlt_ = record_.tabSortAlt;
    prefix_ = record_.tabPrefix;
    prefixAlt_ = record_.tabPrefixAlt;

    liste_.clear();
    for (const QString& line : lignesDe(record_.list)) {
        if (!line.isEmpty())
            liste_.append(kind_ == SetlistKind ? entreeSetlist(line) : entreeMotCle(line));
    }
    changeMade_ = false;
    changeMadeTabName_ = false;
    refreshCollectionPreview();
    source_.reset();
}

QString TabEditor::windowTitle() const
{
    return name_.isEmpty() ? tr8(texts::kTabWindowTitleUnnamed)
                           : tr8(texts::kTabWindowTitle).arg(name_);
}

void TabEditor::fermer()
{
    if (closed_)
        return;
    if (canSave() && data_.dialogs.question(tr8(texts::kSaveChanges))) {
        if (name_.isEmpty() && !liste_.isEmpty())
            name_ = tr8(texts::kNoName);
        sauvegarderDonnees();
    }
    closed_ = true;
    postKey(cmd::MidiEditorClosed);
}

void TabEditor::marquerChangement()
{
    changeMade_ = true;
    refreshCollectionPreview();
}

void TabEditor::setTabName(const QString& name)
{
    if (name == name_)
        return;
    name_ = name;
    changeMadeTabName_ = true;
}

void TabEditor::setRule(int rule)
{
    if (rule == rule_ || rule < TabDet::AnyKeyword || rule > TabDet::NoKeyword)
        return;
    rule_ = rule;
    marquerChangement();
}

void TabEditor::setLookInto(int field)
{
    if (field == lookInto_ || field < TabDet::TitleArtistTags || field > TabDet::FileName)
        return;
    lookInto_ = field;
    marquerChangement();
}

void TabEditor::setTabSort(int order)
{
    if (order == tabSort_ || order < TabDet::ListOrder || order > TabDet::Random)
        return;
    tabSort_ = order;
    marquerChangement();
}

void TabEditor::setTabSortAlt(int order)
{
    if (order == tabSortAlt_ || order < TabDet::ListOrder || order > TabDet::Random)
        return;
    tabSortAlt_ = order;
    marquerChangement();
}

void TabEditor::setTabPrefix(const QString& prefix)
{
    if (prefix == prefix_)
        return;
    prefix_ = prefix;
    marquerChangement();
}

void TabEditor::setTabPrefixAlt(const QString& prefix)
{
    if (prefix == prefixAlt_)
        return;
    prefixAlt_ = prefix;
    marquerChangement();
}

bool TabEditor::actionTabKind(int kind)
{
    if (kind == kind_ || (kind != SetlistKind && kind != CollectionKind))
        return true;
    if (kind == SetlistKind) {
        refreshCollectionPreview();
        if (!listeTemp_.isEmpty()) {
            const int answer = data_.dialogs.questionAvecCancel(tr8(texts::kConvertToSetlist));
            if (answer < 0)
                return false;
            QList<TabEntry> songs;
            if (answer == 1) {
                for (const auto& piece : std::as_const(listeTemp_))
                    songs.append(entreeDe(piece->pieceDet));
            }
            liste_ = songs;
        } else {
            // Keywords that admit no song are no file names.
            liste_.clear();
        }
    } else if (!liste_.isEmpty()) {
        const int answer = data_.dialogs.questionAvecCancel(tr8(texts::kConvertToCollection));
        if (answer < 0)
            return false;
        QList<TabEntry> keywords;
        if (answer == 1) {
            for (const TabEntry& entry : std::as_const(liste_))
                keywords.append(entreeMotCle(entry.titre));
        }
        liste_ = keywords;
    }
    kind_ = kind;
    marquerChangement();
    return true;
}

bool TabEditor::actionSave()
{
    if (!liste_.isEmpty() && name_.isEmpty()) {
        data_.dialogs.msg(tr8(texts::kEnterTabName));
        return false;
    }
    sauvegarderDonnees();
    return true;
}

// A tab never stored gets every key even when only its name was typed: stored alone, the
// name would bring the tab back as an empty collection instead of a setlist.
bool TabEditor::savesNameOnly() const
{
    return changeMadeTabName_ && !changeMade_ && !brandNew_;
}

void TabEditor::sauvegarderDonnees()
{
    const bool nameOnly = savesNameOnly();
    if (nameOnly)
        record_.tabName = name_;
    else
        majDonneesTab(record_);
    record_.save(data_.prefs, nameOnly);
    data_.prefs.sync();
    data_.tabs[size_t(tabNo_)] = record_;
    brandNew_ = false;
    changeMade_ = false;
    changeMadeTabName_ = false;
    postKey(nameOnly ? cmd::TabNamesChanged : cmd::Refresh);
}

void TabEditor::majDonneesTab(TabDet& record) const
{
    record.tabName = name_;
    record.tabSort = tabSort_;
    record.tabSortAlt = tabSortAlt_;
    record.tabPrefix = prefix_.toUpper();
    record.tabPrefixAlt = prefixAlt_.toUpper();
    record.optSel = kind_ == SetlistKind ? int(TabDet::Setlist) : rule_;
    record.lookInto = kind_ == SetlistKind ? int(TabDet::TitleArtistTags) : lookInto_;
    QString list;
    for (const TabEntry& entry : liste_) {
        const QString& line = kind_ == SetlistKind ? entry.fileName : entry.titre;
        if (!line.isEmpty())
            list += line + QLatin1Char('\n');
    }
    record.list = list;
}

int TabEditor::actionInsertRow()
{
    liste_.append(TabEntry{});
    marquerChangement();
    return int(liste_.size()) - 1;
}

int TabEditor::actionDeleteRow(QList<int> rows)
{
    rows.removeIf([this](int row) { return row < 0 || row >= liste_.size(); });
    if (rows.isEmpty()) {
        data_.dialogs.msg(tr8(texts::kRowMustBeSelected));
        return -1;
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (auto it = rows.crbegin(); it != rows.crend(); ++it)
        liste_.removeAt(*it);
    marquerChangement();
    if (liste_.isEmpty())
        return -1;
    return std::min(rows.first(), int(liste_.size()) - 1);
}

void TabEditor::actionEmptyList()
{
    if (!data_.dialogs.question(tr8(texts::kRemoveAllEntries)))
        return;
    liste_.clear();
    marquerChangement();
}

int TabEditor::moveRow(int row, int delta)
{
    const int to = row + delta;
    if (row < 0 || row >= liste_.size() || to < 0 || to >= liste_.size() || delta == 0)
        return row;
    liste_.move(row, to);
    marquerChangement();
    return to;
}

void TabEditor::setEntryText(int row, const QString& text)
{
    if (row < 0 || row >= liste_.size())
        return;
    TabEntry& entry = liste_[row];
    if ((kind_ == SetlistKind ? entry.fileName : entry.titre) == text)
        return;
    entry = kind_ == SetlistKind ? entreeSetlist(text) : entreeMotCle(text);
    marquerChangement();
}

bool TabEditor::ajouterPieceCourante()
{
    const auto piece = data_.getPiece(data_.songNoG());
    if (kind_ != SetlistKind || !piece || !piece->pieceDet)
        return false;
    liste_.append(entreeDe(piece->pieceDet));
    marquerChangement();
    return true;
}

bool TabEditor::ajouterTag(const QString& tag)
{
    if (kind_ != CollectionKind || tag.isEmpty())
        return false;
    liste_.append(entreeMotCle(tag));
    marquerChangement();
    return true;
}

QString TabEditor::statut(int row) const
{
    const bool missing =
        kind_ == SetlistKind && row >= 0 && row < liste_.size() && liste_[row].missing;
    return missing ? tr8(texts::kMissingMark) : QStringLiteral(" ");
}

QString TabEditor::statutTooltip(int row) const
{
    if (statut(row) == QLatin1String(" "))
        return QString();
    return tr8(texts::kMissingFile).arg(liste_[row].path);
}

void TabEditor::remplacerListe(int kind, const QStringList& lines)
{
    if (kind != SetlistKind && kind != CollectionKind)
        return;
    QList<TabEntry> entries;
    QStringList before;
    for (const TabEntry& entry : std::as_const(liste_))
        before.append(kind_ == SetlistKind ? entry.fileName : entry.titre);
    QStringList after;
    for (const QString& line : lines) {
        if (line.isEmpty())
            continue;
        entries.append(kind == SetlistKind ? entreeSetlist(line) : entreeMotCle(line));
        after.append(line);
    }
    const bool changed = kind != kind_ || before != after;
    kind_ = kind;
    liste_ = entries;
    if (changed)
        marquerChangement();
    else
        refreshCollectionPreview();
}

} // namespace partivo
