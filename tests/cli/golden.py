#!/usr/bin/env python3
"""Golden tests of partivo-cli: runs each case and compares stdout, stderr and exit code.

Usage: golden.py <partivo-cli> [--update]
"""
import os
import struct
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from golden_runner import run_cases  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.join(HERE, "..", "library", "corpus")
TABS = os.path.join(HERE, "data", "tabs.ini")
INPUTS = os.path.join(HERE, "data", "inputs.ini")
RENDER = os.path.join(HERE, "data", "render")
SCORE = os.path.join(RENDER, "Harbour Lights(Test Band).pdf")
SHEET = os.path.join(RENDER, "River Song(Test Band).chopro")
SCRATCH = tempfile.mkdtemp(prefix="partivo-golden-")
EMPTY = os.path.join(SCRATCH, "empty")
os.mkdir(EMPTY)
# A binder holding files that must never be read: a note and songs linked to /dev/zero, and a
# FIFO nobody writes to.
HOSTILE = os.path.join(SCRATCH, "hostile")
os.mkdir(HOSTILE)
with open(SCORE, "rb") as f, open(os.path.join(HOSTILE, "Song.pdf"), "wb") as out:
    out.write(f.read())
os.symlink("/dev/zero", os.path.join(HOSTILE, "Song.txt"))
os.symlink("/dev/zero", os.path.join(HOSTILE, "Zero.chopro"))
ZERO_CHOPRO = os.path.join(HOSTILE, "Zero.chopro")
FIFO = os.path.join(SCRATCH, "Pipe.cho")
os.mkfifo(FIFO)
# A binder whose file and folder names are Latin-1 bytes from an old disk.
LATIN1 = os.path.join(SCRATCH, "latin1")
os.mkdir(LATIN1)
with open(SCORE, "rb") as f:
    score_bytes = f.read()
for name in [b"Ok.pdf", b"Caf\xe9.pdf"]:
    with open(os.path.join(os.fsencode(LATIN1), name), "wb") as out:
        out.write(score_bytes)
os.mkdir(os.path.join(os.fsencode(LATIN1), b"Vi\xe9ux"))
LATIN1_FILE = os.path.join(os.fsencode(LATIN1), b"Caf\xe9.pdf")
# A binder holding a PDF whose page tree contains itself: the PDF engine would loop on it for
# ever; the worker that opens it is replaced after its time limit.
LOOPING = os.path.join(SCRATCH, "looping")
os.mkdir(LOOPING)
with open(os.path.join(LOOPING, "Good(Band).pdf"), "wb") as out:
    out.write(score_bytes)


def pdf_of_objects(objects):
    pdf = b"%PDF-1.4\n"
    offsets = []
    for number, body in enumerate(objects, 1):
        offsets.append(len(pdf))
        pdf += b"%d 0 obj\n%s\nendobj\n" % (number, body)
    xref = len(pdf)
    pdf += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
    pdf += b"".join(b"%010d 00000 n \n" % offset for offset in offsets)
    pdf += b"trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (
        len(objects) + 1, xref)
    return pdf


# A binder of 40 songs: two list pages of 36 entries, three of 18 in a narrow window.
FORTY = os.path.join(SCRATCH, "forty")
os.mkdir(FORTY)
for number in range(1, 41):
    with open(os.path.join(FORTY, "Song %02d(Band).pdf" % number), "wb") as out:
        out.write(score_bytes)

# A binder of five songs for the MIDI cases; the third one's note calls the PIANO group up.
MIDI_BINDER = os.path.join(SCRATCH, "midi")
os.mkdir(MIDI_BINDER)
for number in range(1, 6):
    with open(os.path.join(MIDI_BINDER, "Tune %d(Band).pdf" % number), "wb") as out:
        out.write(score_bytes)
with open(os.path.join(MIDI_BINDER, "Tune 3(Band).txt"), "w") as out:
    out.write("Piano intro\nMIDI PIANO\n01:30 9@SYNTH\n")
TRIGGERS = os.path.join(HERE, "data", "triggers.ini")

# Notes the tags cases change: one whose tags line is its last line, one in Windows-1252, a
# read-only one; the cases run in order.
TAG_NOTES = os.path.join(SCRATCH, "tags")
os.mkdir(TAG_NOTES)
LAST_LINE_NOTE = os.path.join(TAG_NOTES, "Last line.txt")
with open(LAST_LINE_NOTE, "wb") as out:
    out.write(b"Intro\nTags=Pop")
LATIN1_NOTE = os.path.join(TAG_NOTES, "Latin.txt")
with open(LATIN1_NOTE, "wb") as out:
    out.write(b"Caf\xe9 au lait\nTAGS=Rockabilly Pop\n")
READ_ONLY_NOTE = os.path.join(TAG_NOTES, "Read only.txt")
with open(READ_ONLY_NOTE, "wb") as out:
    out.write(b"Tags=Pop\n")
os.chmod(READ_ONLY_NOTE, 0o444)
NEW_NOTE = os.path.join(TAG_NOTES, "New.txt")

# A binder for the filters: tempos, tags and artists in the notes.
FILTER_BINDER = os.path.join(SCRATCH, "filter")
os.mkdir(FILTER_BINDER)
for name, note in [("Alpha(Adele)", b"Tempo 96\nTags=Pop\n"), ("Beta(Adele)", b"Tempo 96\nTags=Rock\n"),
                   ("Gamma(Bob)", b"Tags=Rock Pop\n"), ("Delta", None)]:
    with open(os.path.join(FILTER_BINDER, name + ".pdf"), "wb") as out:
        out.write(score_bytes)
    if note:
        with open(os.path.join(FILTER_BINDER, name + ".txt"), "wb") as out:
            out.write(note)
PLAYED_SETTINGS = os.path.join(SCRATCH, "played.ini")
# A binder of ChordPro songs as other programs write them: a ".pro" file in UTF-16 with its
# byte order mark, and one in UTF-32.
PRO_BINDER = os.path.join(SCRATCH, "pro")
os.mkdir(PRO_BINDER)
with open(os.path.join(PRO_BINDER, "Harbour(Band).pro"), "wb") as out:
    out.write("\ufeff{title: Straße}\n[C]la [G]li\n".encode("utf-16-le"))
with open(os.path.join(PRO_BINDER, "River.cho"), "wb") as out:
    out.write("\ufeff{title: Über}\n[Am]la\n".encode("utf-32-be"))

LOOPING_PDF = os.path.join(LOOPING, "Loop(Band).pdf")
with open(LOOPING_PDF, "wb") as out:
    out.write(pdf_of_objects([b"<< /Type /Catalog /Pages 2 0 R >>",
                              b"<< /Type /Pages /Kids [2 0 R 3 0 R] /Count 2 >>",
                              b"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] >>"]))



def riff_chunk(chunk_id, body):
    return chunk_id + struct.pack("<I", len(body)) + body + (b"\0" if len(body) % 2 else b"")


def wav(seconds, **info):
    """A mono 8-bit PCM WAV file of silence at 8000 Hz with RIFF INFO tags (INAM=..., IART=...)."""
    fmt = struct.pack("<HHIIHH", 1, 1, 8000, 8000, 1, 8)
    body = b"WAVE" + riff_chunk(b"fmt ", fmt)
    if info:
        body += riff_chunk(b"LIST", b"INFO" + b"".join(
            riff_chunk(key.encode(), value.encode("utf-8") + b"\0") for key, value in info.items()))
    return riff_chunk(b"RIFF", body + riff_chunk(b"data", b"\x80" * int(seconds * 8000)))


# A music library: tagged tracks (one of exactly 59.5 s), one named by its file only, one in a
# subfolder, a text file and a file named .mp3 that is not audio; and a binder of its songs.
MUSIC = os.path.join(SCRATCH, "music")
os.makedirs(os.path.join(MUSIC, "live"))
for name, seconds, info in [
        ("Harbour Lights backing.wav", 59.5, dict(INAM="Harbour Lights", IART="Test Band",
                                                  ICMT="made for the binder",
                                                  IGNR="Backing Track")),
        ("Harbour Lights cover.wav", 0.5, dict(INAM="Harbour Lights", IART="Other Band",
                                               IGNR="Cover")),
        ("River Song.WAV", 0.25, {}),
        ("live/River Song (live).wav", 1, dict(INAM="River Song", IART="Test Band",
                                               IGNR="Live Recording", ICMT="Café")),
        ("Lonely Road 1.wav", 0.125, {}),
        ("Lonely Road 2.wav", 0.125, dict(IART="Someone"))]:
    with open(os.path.join(MUSIC, name), "wb") as out:
        out.write(wav(seconds, **info))
with open(os.path.join(MUSIC, "notes.txt"), "w") as out:
    out.write("not audio\n")
with open(os.path.join(MUSIC, "broken.mp3"), "wb") as out:
    out.write(b"not audio either\n" * 20)
MUSIC_BINDER = os.path.join(SCRATCH, "music-binder")
os.mkdir(MUSIC_BINDER)
for name in ["Harbour Lights(Test Band).pdf", "River Song(Test Band).pdf", "Lonely Road.pdf",
             "Unknown Tune(Nobody).pdf"]:
    with open(os.path.join(MUSIC_BINDER, name), "wb") as out:
        out.write(score_bytes)
# Harbour Lights turns to page 2 at 0:46 and shows a message at 0:10 as its track plays.
with open(os.path.join(MUSIC_BINDER, "Harbour Lights(Test Band).txt"), "w") as out:
    out.write("00:46 Page 2\n00:10 Message Intro over\n")

# Settings files of the tabs cases: one the saves write (new at first), a read-only copy of
# the tab definitions and a writable one that the refused saves must leave as they were.
SAVED = os.path.join(SCRATCH, "saved.ini")
READ_ONLY = os.path.join(SCRATCH, "read-only.ini")
UNTOUCHED = os.path.join(SCRATCH, "untouched.ini")
with open(TABS, "rb") as f:
    TABS_BYTES = f.read()
for path in (READ_ONLY, UNTOUCHED):
    with open(path, "wb") as out:
        out.write(TABS_BYTES)
os.chmod(READ_ONLY, 0o444)
SETLIST = os.path.join(SCRATCH, "setlist.txt")
with open(SETLIST, "w", encoding="utf-8") as out:
    out.write("Deep(Sub Artist).pdf\r\nSong.pdf\nGone(Old Band).pdf\n\nStraße(Müller)walzer.pdf\n")
NO_FOLDER_SETTINGS = os.path.join(SCRATCH, "no-such-folder", "settings.ini")


def save_args(settings, tab="2", name="Gig"):
    return ["tabs", "save", settings, "--binder", "0", "--tab", tab, "--name", name]


def png(name):
    return os.path.join(SCRATCH, name)


# Pictures the render cases must have written, with their size.
PICTURES = [("mode0.png", 1280, 800), ("last_page.png", 1280, 800), ("sheet.png", 600, 900),
            ("zoom.png", 1200, 700), ("single.png", 1000, 700), ("slide.png", 1280, 800),
            ("looping.png", 1280, 800)]

# name, arguments, expected exit code, golden file for stdout (None: stdout must be empty),
# text that stderr must hold (None: stderr must be empty)
CASES = [
    ("library_corpus", ["library", CORPUS], 0, "library_corpus.json", None),
    ("library_tabs", ["library", CORPUS, "--settings", TABS], 0, "library_tabs.json", None),
    ("library_tabs_artist", ["library", CORPUS, "--settings", TABS, "--sort", "1"], 0,
     "library_tabs_artist.json", None),
    ("library_other_binder", ["library", CORPUS, "--settings", TABS, "--binder", "1"], 0,
     "library_other_binder.json", None),
    ("library_missing_folder", ["library", "/nonexistent/folder"], 2, None, "is not a folder"),
    ("library_bad_sort", ["library", CORPUS, "--sort", "2"], 2, None, "--sort"),
    ("library_bad_binder", ["library", CORPUS, "--binder", "8"], 2, None, "--binder"),
    ("library_missing_settings", ["library", CORPUS, "--settings", "/nonexistent.ini"], 2, None,
     "settings file"),
    ("library_settings_folder", ["library", CORPUS, "--settings", EMPTY], 2, None,
     "the settings file: \"empty\" is a folder"),
    ("library_settings_fifo", ["library", CORPUS, "--settings", FIFO], 2, None,
     "the settings file: \"Pipe.cho\" is not a regular file"),
    ("render_fifo", ["render", FIFO, "--out", png("x.png")], 2, None,
     '"Pipe.cho" is not a regular file'),
    ("library_no_folder", ["library"], 2, None, "usage"),
    ("navigate_tabs", ["navigate", CORPUS, "--settings", TABS, "--keys",
                       "end end end prevTab prev next toggleSort toggleSort home home home"], 0,
     "navigate_tabs.jsonl", None),
    ("navigate_search", ["navigate", CORPUS, "--settings", TABS, "--keys",
                         "nextTab type:ch wait:0.4 type:x type:z wait:0.5 type:z wait:2 "
                         "2,7 76 type:l,pageDown,pageUp"], 0, "navigate_search.jsonl", None),
    ("navigate_artist_order", ["navigate", CORPUS, "--keys", "toggleSort type:band 37 37 36"],
     0, "navigate_artist_order.jsonl", None),
    ("navigate_filter", ["navigate", FILTER_BINDER, "--keys",
                         "post:ActionDisplayHideList=TEMPO post:ActionDisplayHideList=TEMPO "
                         "post:ActionDisplayHideList=ARTIST key:81 key:81 key:80 key:80 key:80 "
                         "post:ActionDisplayHideList=bob key:51 key:51"], 0,
     "navigate_filter.jsonl", None),
    ("navigate_played", ["navigate", FILTER_BINDER, "--save-settings", PLAYED_SETTINGS, "--keys",
                         "wait:29 wait:1 next wait:30 next key:51 wait:60 key:51 "
                         "post:ActionDisplayHideList=PLAYED"], 0, "navigate_played.jsonl", None),
    ("navigate_save_settings_unwritable", ["navigate", FILTER_BINDER, "--save-settings",
                                           NO_FOLDER_SETTINGS, "--keys", "next"], 2, None,
     "settings file"),
    ("library_pro_utf16", ["library", PRO_BINDER], 0, "library_pro_utf16.json", None),
    ("navigate_unknown_word", ["navigate", CORPUS, "--keys", "next jump"], 2, None,
     "unknown navigation command 'jump'"),
    ("navigate_unknown_number", ["navigate", CORPUS, "--keys", "42"], 2, None,
     "unknown navigation command '42'"),
    ("navigate_bad_wait", ["navigate", CORPUS, "--keys", "wait:-1"], 2, None,
     "unknown navigation command"),
    ("navigate_no_keys", ["navigate", CORPUS], 2, None, "usage: navigate"),
    ("navigate_missing_folder", ["navigate", "/nonexistent/folder", "--keys", "next"], 2, None,
     "is not a folder"),
    # The program's own commands through its hub, with a real binder window offscreen.
    ("navigate_window_keys", ["navigate", RENDER, "--keys",
                              "key:39 key:42 key:44 key:43 key:38 key:37 key:36 key:41"],
     0, "navigate_window_keys.jsonl", None),
    ("navigate_single_page_window", ["navigate", RENDER, "--window", "700x900", "--keys",
                                     "key:39 key:39 key:39 key:38 key:38 key:38"], 0,
     "navigate_single_page_window.jsonl", None),
    ("navigate_mode", ["navigate", RENDER, "--mode", "2", "--window", "1000x700", "--keys",
                       "pageDown pageDown pageUp"], 0, "navigate_mode.jsonl", None),
    ("navigate_zoom", ["navigate", RENDER, "--mode", "1", "--window", "1200x700", "--keys",
                       "key:39 key:39 key:39 key:38 key:53 key:39"], 0, "navigate_zoom.jsonl",
     None),
    ("navigate_post", ["navigate", RENDER, "--keys",
                       '"post:ActionMessage=STAGE:Capo 2" "post:ActionMessage=Hello, world" '
                       'wait:3 wait:0.1 "post:ActionMessageStay=:Stays" wait:10 '
                       'post:ActionMessageStay= post:ActionGoToPageNo=3 post:ActionGoToPageNo=99 '
                       'post:ActionGoToPageBottomNo=0 post:ActionGoToSongNo=1 '
                       'post:ActionScrollCurrentOnglet=0 post:ActionOngletB=4 post:ActionKey=37'],
     0, "navigate_post.jsonl", None),
    ("navigate_actions", ["navigate", RENDER, "--keys",
                          "action:3 action:2 raction:102 action:102 action:101 raction:101 "
                          "action:10=2 action:99 action:1 action:0 swipe:2 swipe:1 swipe:4 "
                          "swipe:3 action:11=Hello"],
     0, "navigate_actions.jsonl", None),
    ("navigate_inputs_from_settings", ["navigate", RENDER, "--settings", INPUTS, "--keys",
                                       "next key:42 key:44 key:74 swipe:1 swipe:2"], 0,
     "navigate_inputs_from_settings.jsonl", None),
    ("navigate_open_missing", ["navigate", RENDER, "--keys", "post:ActionOpen=/no/such.pdf"], 0,
     "navigate_open_missing.jsonl", 'The file "/no/such.pdf" cannot be found.'),
    # Commands nobody takes, and those whose part of the program is still to come, are logged.
    ("render_looping_pdf", ["render", LOOPING_PDF, "--out", png("looping.png")], 0,
     "render_looping_pdf.json",
     'This PDF cannot be shown: "Loop(Band).pdf" took longer than 3 seconds to open.'),
    ("navigate_looping_pdf", ["navigate", LOOPING, "--keys", "next next prev"], 0,
     "navigate_looping_pdf.jsonl",
     'This PDF cannot be shown: "Loop(Band).pdf" took longer than 3 seconds to open.'),
    ("navigate_unhandled_key", ["navigate", RENDER, "--keys", "key:1234 key:1234"], 0,
     "navigate_unhandled_key.jsonl", "no handler for key command 1234"),
    ("navigate_ignored_swipe", ["navigate", RENDER, "--keys", "swipe:7"], 0,
     "navigate_ignored_swipe.jsonl", "swipe code 7 is not one of 1 to 4"),
    ("navigate_not_available", ["navigate", RENDER, "--keys", "key:46 key:46"], 0,
     "navigate_not_available.jsonl", "the ChordPro editor (key command 46) is not available"),
    ("navigate_unknown_action", ["navigate", RENDER, "--keys", "next post:ActionNope=1"], 2,
     None, "unknown action 'ActionNope' in 'post:ActionNope=1'"),
    ("navigate_post_without_name", ["navigate", RENDER, "--keys", "post:=1"], 2, None,
     "unknown action '' in 'post:=1'"),
    ("navigate_malformed_action", ["navigate", RENDER, "--keys", "action:x"], 2, None,
     "malformed word 'action:x'"),
    ("navigate_malformed_raction", ["navigate", RENDER, "--keys", "raction:=3"], 2, None,
     "malformed word 'raction:=3'"),
    ("navigate_malformed_swipe", ["navigate", RENDER, "--keys", "swipe:"], 2, None,
     "malformed word 'swipe:'"),
    ("navigate_malformed_key", ["navigate", RENDER, "--keys", "key:4x"], 2, None,
     "malformed word 'key:4x'"),
    ("navigate_open_quote", ["navigate", RENDER, "--keys", 'next "post:ActionMessage=Hi'], 2,
     None, "a double quote is not closed"),
    ("navigate_long_wait", ["navigate", RENDER, "--keys", "wait:99999999"], 2, None,
     "a wait is at most 86400 seconds"),
    ("navigate_bad_window", ["navigate", RENDER, "--window", "50x50", "--keys", "next"], 2,
     None, "--window takes WxH"),
    ("navigate_bad_mode", ["navigate", RENDER, "--mode", "3", "--keys", "next"], 2, None,
     "--mode takes 0, 1, 2, 4 or 5"),
    ("navigate_zoom_tall", ["navigate", RENDER, "--mode", "1", "--window", "700x900", "--keys",
                            "next"], 2, None, "must be horizontally enlarged"),
    ("navigate_empty_folder", ["navigate", EMPTY, "--keys", "next"], 2, None,
     "holds no songs"),
    ("render_mode0", ["render", RENDER, "--out", png("mode0.png")], 0, "render_mode0.json",
     None),
    ("render_last_page", ["render", RENDER, "--page", "3", "--out", png("last_page.png")], 0,
     "render_last_page.json", None),
    ("render_sheet_tall", ["render", SHEET, "--size", "600x900", "--out", png("sheet.png")], 0,
     "render_sheet_tall.json", None),
    ("render_zoom", ["render", RENDER, "--mode", "1", "--size", "1200x700", "--out",
                     png("zoom.png")], 0, "render_zoom.json", None),
    ("render_single", ["render", RENDER, "--mode", "2", "--size", "1000x700", "--page", "2",
                       "--out", png("single.png")], 0, "render_single.json", None),
    ("render_slide", ["render", RENDER, "--mode", "5", "--page", "3", "--out",
                      png("slide.png")], 0, "render_slide.json", None),
    ("render_page_past_end", ["render", SCORE, "--page", "7", "--out", png("x.png")], 2, None,
     "--page 7: the song has 3 pages"),
    ("render_last_page_of_file", ["render", SCORE, "--page", "3", "--out", png("past.png")], 0,
     "render_last_page_of_file.json", None),
    ("render_zoom_tall", ["render", RENDER, "--mode", "1", "--size", "700x900", "--out",
                          png("x.png")], 2, None, "must be horizontally enlarged"),
    ("render_toc_tabs", ["render", CORPUS, "--settings", TABS, "--song", "24", "--toc", "--tabs",
                         "--out", png("toc.png")], 0, "render_toc_tabs.json", None),
    ("render_toc_narrow", ["render", FORTY, "--song", "20", "--size", "600x800", "--toc",
                           "--out", png("toc_narrow.png")], 0, "render_toc_narrow.json", None),
    ("render_bad_binder", ["render", RENDER, "--binder", "8", "--out", png("x.png")], 2, None,
     "--binder takes a binder number from 0 to 7"),
    ("navigate_toc_pages", ["navigate", FORTY, "--keys",
                            "key:51 key:39 key:39 key:38 key:38 key:26 key:51 key:3 key:51 key:45"], 0,
     "navigate_toc_pages.jsonl", None),
    ("navigate_toc_narrow", ["navigate", FORTY, "--window", "600x800", "--keys",
                             "key:51 key:39 key:26 key:51 key:25"], 0,
     "navigate_toc_narrow.jsonl", None),
    ("navigate_toc_tabs", ["navigate", CORPUS, "--settings", TABS, "--keys",
                           "key:40 key:41 key:1 key:37 key:51 key:59 key:51 "
                           "\"post:ActionOnglet=2\" \"post:ActionOnglet=8\""], 0,
     "navigate_toc_tabs.jsonl", None),
    ("navigate_midi_triggers", ["navigate", MIDI_BINDER, "--settings", TRIGGERS, "--keys",
                                "\"midi:B0 40 7F\" \"midi:B0 40 00\" \"midi:90 41 40\" "
                                "\"midi:90 41 00\" \"midi:B0 14 10\" \"midi:E0 00 70\" "
                                "\"midi:E0 00 78\" \"midi:E0 00 40\" \"midi:E0 00 70\" "
                                "\"midi:B0 00 01\" \"midi:C0 05\" \"midi:C0 09\" "
                                "\"midi:B0 40 7F@Other\" \"midi:B0 40 7F@Partivo IN\""], 0,
     "navigate_midi_triggers.jsonl", None),
    ("navigate_midi_sent", ["navigate", MIDI_BINDER, "--settings", TRIGGERS, "--keys",
                            "wait:1 next next wait:1 \"midi:B0 15 7F\" wait:1"], 0,
     "navigate_midi_sent.jsonl", None),
    ("navigate_midi_bad_hex", ["navigate", MIDI_BINDER, "--keys", "midi:ZZ"], 2, None,
     "'ZZ' is not a hex byte"),
    ("navigate_midi_empty", ["navigate", MIDI_BINDER, "--keys", "midi:"], 2, None,
     "a MIDI message needs at least one byte"),
    ("navigate_midi_too_long", ["navigate", MIDI_BINDER, "--keys", "\"midi:90 40 40 40\""], 2,
     None, "a channel message has at most 3 bytes"),
    ("tags_add_to_last_line", ["tags", "add", LAST_LINE_NOTE, "Rock"], 0, "tags_add_to_last_line.txt",
     None),
    ("tags_add_present", ["tags", "add", LAST_LINE_NOTE, "rock"], 0, "tags_add_present.txt", None),
    ("tags_remove_whole_word", ["tags", "remove", LATIN1_NOTE, "Rock"], 0,
     "tags_remove_whole_word.txt", None),
    ("tags_remove_any_case", ["tags", "remove", LATIN1_NOTE, "pop"], 0,
     "tags_remove_any_case.txt", None),
    ("tags_add_new_note", ["tags", "add", NEW_NOTE, "Funk"], 0, "tags_add_new_note.txt", None),
    ("tags_clear", ["tags", "clear", LAST_LINE_NOTE], 0, "tags_clear.txt", None),
    ("tags_clear_missing", ["tags", "clear", os.path.join(TAG_NOTES, "None.txt")], 0,
     "tags_clear_missing.txt", None),
    ("tags_read_only", ["tags", "add", READ_ONLY_NOTE, "Rock"], 2, None, "is read-only"),
    ("tags_folder", ["tags", "add", TAG_NOTES, "Rock"], 2, None, "is a folder"),
    ("tags_two_words", ["tags", "add", NEW_NOTE, "Two words"], 2, None, "a tag is one word"),
    ("tags_no_tag", ["tags", "remove", NEW_NOTE], 2, None, "usage: tags"),
    ("tags_bad_word", ["tags", "rename", NEW_NOTE, "X"], 2, None, "usage: tags"),
    ("render_bad_mode", ["render", RENDER, "--mode", "3", "--out", png("x.png")], 2, None,
     "--mode takes 0, 1, 2, 4 or 5"),
    ("render_bad_size", ["render", RENDER, "--size", "12x900", "--out", png("x.png")], 2, None,
     "--size takes WxH"),
    ("render_bad_size_text", ["render", RENDER, "--size", "wide", "--out", png("x.png")], 2,
     None, "--size takes WxH"),
    ("render_song_too_far", ["render", RENDER, "--song", "3", "--out", png("x.png")], 2, None,
     "--song 3: the binder has 2 songs"),
    ("render_song_with_file", ["render", SCORE, "--song", "1", "--out", png("x.png")], 2, None,
     "--song is for a folder"),
    ("render_not_a_song", ["render", os.path.join(RENDER, "readme.txt"), "--out", png("x.png")],
     2, None, "is not a song file"),
    ("render_empty_folder", ["render", EMPTY, "--out", png("x.png")], 2, None, "holds no songs"),
    ("render_missing", ["render", "/nonexistent/song.pdf", "--out", png("x.png")], 2, None,
     "is not a file or folder"),
    ("render_no_out", ["render", RENDER], 2, None, "usage: render"),
    ("render_unwritable", ["render", RENDER, "--out", "/nonexistent/dir/page.png"], 1, None,
     "cannot write"),
    # Devices and FIFOs are never read: they are named and left out, or refused at once.
    ("library_left_out", ["library", HOSTILE], 0, "library_left_out.json",
     'left out: "Song.txt" is not a regular file (a device, FIFO or socket)'),
    ("navigate_left_out", ["navigate", HOSTILE, "--keys", "pageDown"], 0,
     "navigate_left_out.jsonl", "Some of this binder was left out or could not be read:"),
    ("render_device", ["render", ZERO_CHOPRO, "--out", png("x.png")], 2, None,
     '"Zero.chopro" is not a regular file'),
    ("transpose_device", ["chordpro", "transpose", ZERO_CHOPRO, "--by", "1"], 2, None,
     '"Zero.chopro" is not a regular file'),
    ("transpose_fifo", ["chordpro", "transpose", FIFO, "--by", "1"], 2, None,
     '"Pipe.cho" is not a regular file'),
    ("note_device", ["note", os.path.join(HOSTILE, "Song.txt")], 2, None,
     '"Song.txt" is not a regular file'),
    ("info_fifo", ["chordpro", "info", FIFO], 2, None, '"Pipe.cho" is not a regular file'),
    ("library_latin1_names", ["library", LATIN1], 0, "library_latin1_names.json",
     "2 files were skipped because their names are not valid UTF-8: Caf\ufffd.pdf, "
     "Vi\ufffdux/"),
    ("note_latin1_name", ["note", LATIN1_FILE], 2, None, "is not valid UTF-8"),
    # The song list export of one tab, and tabs stored as the tab editor's Save stores them.
    ("tabs_export_setlist", ["tabs", "export", CORPUS, "--settings", TABS, "--tab", "1"], 0,
     "tabs_export_setlist.txt", None),
    ("tabs_export_titles", ["tabs", "export", CORPUS, "--settings", TABS, "--tab", "2",
                            "--titles"], 0, "tabs_export_titles.txt", None),
    ("tabs_export_all", ["tabs", "export", CORPUS, "--tab", "0"], 0, "tabs_export_all.txt",
     None),
    ("tabs_export_other_binder", ["tabs", "export", CORPUS, "--settings", TABS, "--binder", "1",
                                  "--tab", "1"], 0, "tabs_export_other_binder.txt", None),
    ("tabs_export_empty_tab", ["tabs", "export", CORPUS, "--settings", TABS, "--tab", "9"], 0,
     None, None),
    ("tabs_export_bad_tab", ["tabs", "export", CORPUS, "--tab", "10"], 2, None,
     "--tab takes a tab number from 0 to 9"),
    ("tabs_export_no_tab", ["tabs", "export", CORPUS], 2, None, "usage: tabs export"),
    ("tabs_export_missing_folder", ["tabs", "export", "/nonexistent/folder", "--tab", "1"], 2,
     None, "is not a folder"),
    ("tabs_save_setlist", save_args(SAVED) + ["--setlist", SETLIST], 0, "tabs_save_setlist.json",
     None),
    ("tabs_save_collection", save_args(SAVED, "3", "Rock and Pop") +
     ["--collection", "rock, pop  Blues", "--field", "tags", "--rule", "any"], 0,
     "tabs_save_collection.json", None),
    ("tabs_save_collection_none", ["tabs", "save", SAVED, "--binder", "1", "--tab", "9", "--name",
                                   "No Song", "--collection", "song", "--field", "file", "--rule",
                                   "none"], 0, "tabs_save_collection_none.json", None),
    ("tabs_save_rename", save_args(SAVED, "2", "Gig Night") + ["--setlist", SETLIST], 0,
     "tabs_save_rename.json", None),
    ("tabs_saved_library", ["library", CORPUS, "--settings", SAVED, "--binder", "0"], 0,
     "tabs_saved_library.json", None),
    ("tabs_saved_export", ["tabs", "export", CORPUS, "--settings", SAVED, "--tab", "2"], 0,
     "tabs_saved_export.txt", None),
    ("tabs_save_read_only", save_args(READ_ONLY) + ["--setlist", SETLIST], 2, None,
     "is read-only"),
    ("tabs_save_folder", save_args(EMPTY) + ["--setlist", SETLIST], 2, None,
     'the settings file: "empty" is a folder'),
    ("tabs_save_no_folder", save_args(NO_FOLDER_SETTINGS) + ["--setlist", SETLIST], 2, None,
     "does not exist"),
    ("tabs_save_tab_zero", save_args(UNTOUCHED, "0") + ["--setlist", SETLIST], 2, None,
     "--tab takes a tab number from 1 to 9"),
    ("tabs_save_tab_ten", save_args(UNTOUCHED, "10") + ["--setlist", SETLIST], 2, None,
     "--tab takes a tab number from 1 to 9"),
    ("tabs_save_missing_setlist", save_args(UNTOUCHED) + ["--setlist", "/nonexistent/set.txt"],
     2, None, "the setlist file"),
    ("tabs_save_both_kinds", save_args(UNTOUCHED) + ["--setlist", SETLIST, "--collection", "a",
                                                     "--field", "all", "--rule", "any"], 2, None,
     "usage: tabs save"),
    ("tabs_save_no_kind", save_args(UNTOUCHED), 2, None, "usage: tabs save"),
    ("tabs_save_no_binder", ["tabs", "save", UNTOUCHED, "--tab", "2", "--name", "X", "--setlist",
                             SETLIST], 2, None, "usage: tabs save"),
    ("tabs_save_bad_field", save_args(UNTOUCHED) + ["--collection", "a", "--field", "lyrics",
                                                    "--rule", "any"], 2, None, "--field takes"),
    ("tabs_save_bad_rule", save_args(UNTOUCHED) + ["--collection", "a", "--field", "title",
                                                   "--rule", "some"], 2, None, "--rule takes"),
    ("tabs_save_no_rule", save_args(UNTOUCHED) + ["--collection", "a", "--field", "title"], 2,
     None, "--collection needs --field and --rule"),
    ("tabs_save_rule_for_setlist", save_args(UNTOUCHED) + ["--setlist", SETLIST, "--rule", "all"],
     2, None, "--field and --rule are for a collection"),
    ("tabs_save_empty_name", save_args(UNTOUCHED, "2", "") + ["--setlist", SETLIST], 2, None,
     "cannot be empty"),
    ("tabs_unknown_word", ["tabs", "list"], 2, None, "unknown tabs word 'list'"),
    # The music library's tracks, and the track each song of a binder plays by genre.
    ("music_tracks", ["music", MUSIC], 0, "music_tracks.json", None),
    ("music_empty_folder", ["music", EMPTY], 0, "music_empty_folder.json", None),
    ("music_binder_any", ["music", MUSIC, "--binder", MUSIC_BINDER], 0, "music_binder_any.json",
     None),
    ("music_binder_backing_track", ["music", MUSIC, "--binder", MUSIC_BINDER, "--genre", "3"], 0,
     "music_binder_backing_track.json", None),
    ("music_binder_mute", ["music", MUSIC, "--binder", MUSIC_BINDER, "--genre", "6"], 0,
     "music_binder_mute.json", None),
    # The backing track played on the player double: the clock follows wait:, the timed events
    # fire once at their times, the track ends at 59.5 s; then the silent (MUTE) clock.
    ("navigate_music_play", ["navigate", MUSIC_BINDER, "--music", MUSIC, "--keys",
                             "wait:1 post:ActionGoToGenreNoAndPlayPause=3 wait:10 wait:36 "
                             "wait:13.4 wait:0.2 play stop"], 0,
     "navigate_music_play.jsonl", None),
    ("navigate_music_mute", ["navigate", MUSIC_BINDER, "--music", MUSIC, "--keys",
                             "wait:1 post:ActionGoToGenreNoAndPlayPause=6 wait:46 key:77"], 0,
     "navigate_music_mute.jsonl", None),
    ("navigate_music_none", ["navigate", MUSIC_BINDER, "--keys", "play"], 0,
     "navigate_music_none.jsonl", None),
    ("navigate_music_missing", ["navigate", MUSIC_BINDER, "--music", "/nonexistent/music",
                                "--keys", "play"], 2, None,
     "the music folder '/nonexistent/music' does not exist"),
    ("music_no_folder", ["music"], 2, None, "usage: music"),
    ("music_missing_folder", ["music", "/nonexistent/music"], 2, None,
     "the music folder '/nonexistent/music' does not exist"),
    ("music_file_as_folder", ["music", SCORE], 2, None, "is not a folder"),
    ("music_two_folders", ["music", MUSIC, EMPTY], 2, None, "unexpected argument"),
    ("music_unknown_option", ["music", MUSIC, "--frob"], 2, None,
     "unexpected argument '--frob'"),
    ("music_genre_zero", ["music", MUSIC, "--binder", MUSIC_BINDER, "--genre", "0"], 2, None,
     "--genre takes a genre from 1 to 6"),
    ("music_genre_seven", ["music", MUSIC, "--binder", MUSIC_BINDER, "--genre", "7"], 2, None,
     "--genre takes a genre from 1 to 6"),
    ("music_genre_text", ["music", MUSIC, "--binder", MUSIC_BINDER, "--genre", "any"], 2, None,
     "--genre takes a genre from 1 to 6"),
    ("music_genre_without_binder", ["music", MUSIC, "--genre", "2"], 2, None,
     "--genre is for the songs of a binder"),
    ("music_binder_without_songs", ["music", MUSIC, "--binder", EMPTY], 2, None,
     "holds no songs"),
    ("music_binder_missing", ["music", MUSIC, "--binder", "/nonexistent/binder"], 2, None,
     "is not a folder"),
    ("music_binder_no_value", ["music", MUSIC, "--binder"], 2, None,
     "unexpected argument '--binder'"),
    ("unknown_command", ["frobnicate"], 2, None, "unknown command"),
    ("help", ["--help"], 0, "help.txt", None),
]


def picture_problems():
    """The render cases wrote PNG files of the size asked; failed cases wrote none."""
    problems = []
    for name, width, height in PICTURES:
        try:
            with open(png(name), "rb") as f:
                head = f.read(24)
        except OSError:
            problems.append(f"{name} was not written")
            continue
        if head[:8] != b"\x89PNG\r\n\x1a\n" or struct.unpack(">II", head[16:24]) != (width, height):
            problems.append(f"{name} is not a {width}x{height} PNG")
    if os.path.exists(png("x.png")):
        problems.append("a failed render wrote its output")
    return problems


def settings_problems():
    """The refused saves left their settings files as they were and created none."""
    problems = []
    for path in (READ_ONLY, UNTOUCHED):
        with open(path, "rb") as f:
            if f.read() != TABS_BYTES:
                problems.append(f"{os.path.basename(path)} was changed by a refused save")
    if os.path.exists(os.path.dirname(NO_FOLDER_SETTINGS)):
        problems.append("a save made the missing settings folder")
    return problems


def note_problems():
    """The tags cases wrote the notes they should and left the others alone."""
    expected = {
        LAST_LINE_NOTE: "Intro\n".encode(),
        LATIN1_NOTE: "Café au lait\nTAGS=Rockabilly\n".encode(),
        READ_ONLY_NOTE: b"Tags=Pop\n",
        NEW_NOTE: b"Tags=Funk\n",
    }
    problems = []
    for path, content in expected.items():
        with open(path, "rb") as f:
            if f.read() != content:
                problems.append(f"{os.path.basename(path)} does not hold what the cases wrote")
    if os.path.exists(os.path.join(TAG_NOTES, "None.txt")):
        problems.append("clearing a missing note created it")
    return problems


def played_problems():
    """The played case saved its log as termination does: slot 1, the played songs in order."""
    try:
        with open(PLAYED_SETTINGS, encoding="utf-8") as f:
            text = f.read()
    except OSError:
        return ["the played case wrote no settings file"]
    problems = []
    for line in ("plogLast=1", "plogTx1=Alpha(Adele).pdf\\nBeta(Adele).pdf\\n", "plogDate1="):
        if line not in text:
            problems.append(f"the saved settings lack {line!r}")
    return problems


def main():
    golden = os.path.join(HERE, "golden")
    result = run_cases(sys.argv[1], CASES, golden, update="--update" in sys.argv)
    for problem in picture_problems() + settings_problems() + note_problems() + played_problems():
        print(f"FAIL {problem}")
        result = 1
    return result


if __name__ == "__main__":
    sys.exit(main())
