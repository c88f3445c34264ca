"""Checks of the region computation, the bitmap writer and the window layouts' geometry.
Run: /usr/bin/python3 -m unittest discover -s tools/art"""

import os
import struct
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from PIL import Image  # noqa: E402

import bmp  # noqa: E402
import dialogs  # noqa: E402
import glyphs  # noqa: E402
import main_window  # noqa: E402
import make_art  # noqa: E402
import region  # noqa: E402
import silhouette  # noqa: E402
import splash  # noqa: E402


def assert_banded(test, rects):
    """The invariants of a region as GetRegionData reports it."""
    bands = []
    for r in rects:
        test.assertLess(r[0], r[2])
        test.assertLess(r[1], r[3])
        if bands and bands[-1][0] == (r[1], r[3]):
            test.assertLess(bands[-1][1][-1][1], r[0], "spans in a band must be sorted and apart")
            bands[-1][1].append((r[0], r[2]))
        else:
            if bands:
                test.assertLessEqual(bands[-1][0][1], r[1], "bands must not overlap")
            bands.append(((r[1], r[3]), [(r[0], r[2])]))
    for (above, spans_a), (below, spans_b) in zip(bands, bands[1:]):
        if above[1] == below[0]:
            test.assertNotEqual(spans_a, spans_b, "touching bands with equal spans must merge")


class RegionTest(unittest.TestCase):
    def test_identical_rows_merge_into_one_band(self):
        rows = [[(2, 5)], [(2, 5)], [(1, 6)], [], [(1, 6)]]
        self.assertEqual(region.rects_from_rows(rows),
                         [(2, 0, 5, 2), (1, 2, 6, 3), (1, 4, 6, 5)])

    def test_spans_are_sorted_and_touching_ones_joined(self):
        rows = [[(7, 9), (0, 3), (3, 5)], [(0, 5), (7, 9)]]
        self.assertEqual(region.rects_from_rows(rows), [(0, 0, 5, 2), (7, 0, 9, 2)])

    def test_empty_and_degenerate_spans_vanish(self):
        self.assertEqual(region.rects_from_rows([[(4, 4)], [], [(3, 2)]]), [])
        self.assertEqual(region.rgndata([])[8:12], b"\0\0\0\0")

    def test_stream_layout(self):
        rects = [(1, 0, 4, 2), (0, 2, 5, 3)]
        blob = region.region_stream(rects)
        self.assertEqual(struct.unpack_from("<I", blob, 0)[0], 32 + 16 * 2)
        self.assertEqual(struct.unpack_from("<4I4i", blob, 4), (32, 1, 2, 32, 0, 0, 5, 3))
        self.assertEqual(struct.unpack_from("<4i", blob, 36), (1, 0, 4, 2))
        self.assertEqual(len(blob), 4 + 32 + 32)
        self.assertEqual(region.parse_region_stream(blob), rects)
        self.assertEqual(region.parse_region_stream(b"\0\0\0\0"), [])

    def test_malformed_streams_are_rejected(self):
        good = region.region_stream([(0, 0, 2, 2)])
        for bad in (good[:3], good[:-1], good + b"\0",
                    good[:8] + struct.pack("<I", 2) + good[12:],  # iType
                    good[:12] + struct.pack("<I", 5) + good[16:],  # nCount
                    good[:20] + struct.pack("<i", 9) + good[24:]):  # rcBound
            with self.assertRaises(ValueError):
                region.parse_region_stream(bad)

    def test_round_corner_pixels_follow_the_circle(self):
        rows = silhouette.clipped_rows(silhouette.RoundRect(0, 0, 10, 10, (4, 0, 0, 0)), 10, 10)
        # pixel centres against the circle about (4, 4): insets 2.06, 0.88, 0.29 on rows 0 to 2
        self.assertEqual(rows[:4], [[(2, 10)], [(1, 10)], [(0, 10)], [(0, 10)]])
        assert_banded(self, region.rects_from_rows(rows))

    def test_fillet_fills_only_the_corner_outside_its_circle(self):
        fillet = silhouette.Fillet(10, 10, 4, 1, 1)  # concave corner at (10, 10), opening right-down
        self.assertEqual(fillet.spans(9), [])
        self.assertEqual(fillet.spans(10), [(10, 12)])
        self.assertEqual(fillet.spans(13), [])

    def test_shapes_are_clipped_to_the_window(self):
        rows = silhouette.clipped_rows(silhouette.Circle(0, 0, 5), 4, 4)
        self.assertTrue(all(a >= 0 and b <= 4 for spans in rows for a, b in spans))


class WindowShapeTest(unittest.TestCase):
    def check(self, figure, size, count):
        rows = silhouette.clipped_rows(figure, *size)
        rects = region.rects_from_rows(rows)
        self.assertEqual(len(rects), count)
        assert_banded(self, rects)
        left, top, right, bottom = region.bounding_box(rects)
        self.assertTrue(left >= 0 and top >= 0 and right <= size[0] and bottom <= size[1])
        return rows

    def test_rectangle_counts_of_the_layouts(self):
        self.check(splash.figure(), splash.SIZE, 96)
        self.check(main_window.figure(), main_window.SIZE, 168)
        self.check(dialogs.figure(), dialogs.FRAME_SIZE, 96)

    def test_content_areas_lie_inside_the_window(self):
        rows = self.check(main_window.figure(), main_window.SIZE, 168)
        l, t, r, b = main_window.CONTENT
        for y in range(t, b):
            self.assertTrue(any(a <= l and r <= e for a, e in rows[y]), "row %d" % y)
        rows = self.check(dialogs.figure(), dialogs.FRAME_SIZE, 96)
        l, t, r, b = dialogs.CONTENT
        for y in range(t, b):
            self.assertTrue(any(a <= l and r <= e for a, e in rows[y]), "row %d" % y)

    def test_menu_cells_fit_the_strip_without_overlap(self):
        cells = main_window.menu_cells()
        self.assertEqual(len(cells), 8)
        knob_left = main_window.KNOB[0] - main_window.KNOB[2]
        for (_, _, _, a, la), (_, _, _, b, _) in zip(cells, cells[1:]):
            self.assertLess(a[2], b[0])
        for _, _, _, cell, label in cells:
            self.assertGreaterEqual(cell[0], main_window.MENU_LEFT)
            self.assertLessEqual(cell[2], knob_left)
            self.assertTrue(cell[1] <= label[1] and label[3] <= cell[3])


class OutputTest(unittest.TestCase):
    def test_resource_script_names_every_file_but_itself(self):
        text = make_art.resource_script(["main_skin.rgn", "art.rc", "gear.bmp"]).decode()
        self.assertEqual(text.splitlines()[1:], ['GEAR_BMP RCDATA "art/gear.bmp"',
                                                 'MAIN_SKIN_RGN RCDATA "art/main_skin.rgn"'])

    def test_check_reports_changed_missing_and_stray_files(self):
        with tempfile.TemporaryDirectory() as fresh, tempfile.TemporaryDirectory() as committed:
            make_art.write({"a.bmp": b"1", "b.rgn": b"2", "c.bmp": b"3"}, fresh)
            make_art.write({"a.bmp": b"1", "b.rgn": b"X", "d.bmp": b"4"}, committed)
            self.assertEqual(make_art.differences(fresh, committed),
                             ["missing in %s: c.bmp" % committed,
                              "not produced by the generator: d.bmp", "differs: b.rgn"])
            make_art.write({"a.bmp": b"1"}, committed)  # rewriting drops files no longer made
            self.assertEqual(sorted(os.listdir(committed)), ["a.bmp"])


class BitmapTest(unittest.TestCase):
    def test_rows_are_padded_and_stored_bottom_up(self):
        img = Image.new("RGB", (3, 2), (0, 0, 0))
        img.putpixel((0, 0), (255, 0, 0))
        img.putpixel((2, 1), (0, 0, 255))
        blob = bmp.encode(img)
        self.assertEqual(len(blob), 54 + 2 * 12)
        self.assertEqual(blob[54:57], b"\0\0\0")  # bottom row first, stored blue-green-red
        self.assertEqual(blob[60:63], b"\xff\0\0")
        self.assertEqual(blob[66:69], b"\0\0\xff")
        width, height, rows = bmp.decode(blob)
        self.assertEqual((width, height), (3, 2))
        self.assertEqual(rows[0][0], (255, 0, 0))
        self.assertEqual(rows[1][2], (0, 0, 255))


class GlyphTest(unittest.TestCase):
    def test_transparent_glyphs_keep_a_magenta_bottom_left_pixel(self):
        for name in glyphs.GLYPHS:
            self.assertEqual(glyphs.render(name).getpixel((0, glyphs.GLYPHS[name][0][1] - 1)),
                             (255, 0, 255), name)

    def test_a_glyph_covering_its_bottom_left_pixel_is_refused(self):
        with self.assertRaises(ValueError):
            glyphs.flatten(Image.new("RGBA", (4, 4), (0, 0, 0, 255)))


if __name__ == "__main__":
    unittest.main()
