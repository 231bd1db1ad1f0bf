#!/usr/bin/env python3
"""Writes the demo binder's score: a small vector PDF of staves, notes and bar lines.

Usage: demo_score.py OUT.pdf [PAGES]
"""
import random
import sys

W, H = 595, 842  # A4 in points


def note_head(x, y):
    # An ellipse from four Bezier arcs, slightly tilted by the control points.
    rx, ry, k = 5.2, 3.6, 0.55
    return (f"{x - rx:.1f} {y:.1f} m "
            f"{x - rx:.1f} {y + ry * k + 1:.1f} {x - rx * k:.1f} {y + ry:.1f} {x:.1f} {y + ry:.1f} c "
            f"{x + rx * k:.1f} {y + ry:.1f} {x + rx:.1f} {y + ry * k - 1:.1f} {x + rx:.1f} {y:.1f} c "
            f"{x + rx:.1f} {y - ry * k - 1:.1f} {x + rx * k:.1f} {y - ry:.1f} {x:.1f} {y - ry:.1f} c "
            f"{x - rx * k:.1f} {y - ry:.1f} {x - rx:.1f} {y - ry * k + 1:.1f} {x - rx:.1f} {y:.1f} c f\n")


def page_content(title, page, rng):
    out = ["BT /F1 22 Tf 60 790 Td (%s) Tj ET\n" % title,
           "BT /F1 11 Tf 60 772 Td (Partivo demo score - page %d) Tj ET\n" % page]
    gap = 7.0
    for staff in range(9):
        top = 730 - staff * 78
        out.append("0.6 w\n")
        for line in range(5):
            y = top - line * gap
            out.append(f"50 {y:.1f} m 545 {y:.1f} l S\n")
        for bar in range(5):
            x = 50 + bar * 123.75
            out.append(f"1 w {x:.1f} {top:.1f} m {x:.1f} {top - 4 * gap:.1f} l S\n")
        for beat in range(16):
            x = 70 + beat * 30.5 + (beat // 4) * 2
            step = rng.randint(-2, 9)
            y = top - 4 * gap + step * gap / 2
            out.append(note_head(x, y))
            up = step < 4
            sx = x + 4.8 if up else x - 4.8
            sy = y + 24 if up else y - 24
            out.append(f"0.9 w {sx:.1f} {y:.1f} m {sx:.1f} {sy:.1f} l S\n")
    return "".join(out).encode("latin-1")


def write_pdf(path, pages):
    rng = random.Random(7)
    objects = []  # bodies; object n is objects[n - 1]

    def add(body):
        objects.append(body)
        return len(objects)

    font = add(b"<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>")
    pages_id = add(b"")  # filled in below
    kids = []
    for p in range(1, pages + 1):
        data = page_content("Morning Waltz", p, rng)
        content = add(b"<< /Length %d >>\nstream\n" % len(data) + data + b"endstream")
        kids.append(add(b"<< /Type /Page /Parent %d 0 R /MediaBox [0 0 %d %d] "
                        b"/Resources << /Font << /F1 %d 0 R >> >> /Contents %d 0 R >>"
                        % (pages_id, W, H, font, content)))
    objects[pages_id - 1] = (b"<< /Type /Pages /Kids [%s] /Count %d >>"
                             % (b" ".join(b"%d 0 R" % k for k in kids), len(kids)))
    catalog = add(b"<< /Type /Catalog /Pages %d 0 R >>" % pages_id)

    out = bytearray(b"%PDF-1.4\n")
    offsets = []
    for n, body in enumerate(objects, start=1):
        offsets.append(len(out))
        out += b"%d 0 obj\n" % n + body + b"\nendobj\n"
    xref = len(out)
    out += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
    for off in offsets:
        out += b"%010d 00000 n \n" % off
    out += (b"trailer\n<< /Size %d /Root %d 0 R >>\nstartxref\n%d\n%%%%EOF\n"
            % (len(objects) + 1, catalog, xref))
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    write_pdf(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 2)
