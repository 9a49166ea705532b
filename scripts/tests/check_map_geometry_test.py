#!/usr/bin/python3
"""The map geometry checker finds an open ring, a crossed polygon, a place outside the Czech
Republic and an area that differs from the stored one, and passes a sound document."""
import os
import subprocess
import sys
import tempfile
import unittest

CHECKER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "check-map-geometry")


def square(y, x, side, close=True):
    points = [(y, x), (y + side, x), (y + side, x + side), (y, x + side)]
    if close:
        points.append(points[0])
    return "<L>" + "".join('<B S="%.6f$%.6f"/>' % p for p in points) + "</L>"


def document(psk_p, ring, require_text=""):
    return ('<?xml version="1.0" encoding="Windows-1250" ?>\n<DATAISLH><LHC><ODD><DIL><POR>'
            '<PSK PSK="1a" PSK_P="%s"><PSK_OBRAZ><MP><P>%s</P></MP></PSK_OBRAZ></PSK>'
            '<PSK PSK="2" PSK_P="1"><PSK_OBRAZ/></PSK>'
            "</POR></DIL></ODD></LHC></DATAISLH>\n" % (psk_p, ring))


class CheckMapGeometryTest(unittest.TestCase):
    def run_checker(self, text, *extra):
        with tempfile.NamedTemporaryFile("w", suffix=".xml", delete=False,
                                         encoding="cp1250") as f:
            f.write(text)
        try:
            return subprocess.run([sys.executable, CHECKER, f.name] + list(extra),
                                  capture_output=True, text=True)
        finally:
            os.unlink(f.name)

    def test_sound_outline_passes(self):
        r = self.run_checker(document("1.00", square(700000, 1100000, 100)))
        self.assertEqual(r.returncode, 0, r.stdout)
        self.assertIn("1 outlines checked, 0 faults", r.stdout)

    def test_parts_of_one_plot_share_their_outline(self):
        outline = "<BZL_OBRAZ><MP><P>%s</P></MP></BZL_OBRAZ>" % square(700000, 1100000, 100)
        text = ('<?xml version="1.0" encoding="Windows-1250" ?>\n<DATAISLH><LHC><ODD ODD="1">'
                '<DIL DIL="A"><POR POR="1">'
                '<BZL BZL="3" BZL_P="0.40">%s</BZL><BZL BZL="3" BZL_P="0.60">%s</BZL>'
                "</POR></DIL></ODD></LHC></DATAISLH>\n" % (outline, outline))
        self.assertEqual(self.run_checker(text).returncode, 0)
        self.assertEqual(self.run_checker(text.replace("0.60", "0.50")).returncode, 1)

    def test_faults_are_found(self):
        self.assertEqual(self.run_checker(document("1.02", square(700000, 1100000, 100))).returncode, 1)
        self.assertEqual(self.run_checker(document("1.00", square(700000, 1100000, 100, False))).returncode, 1)
        self.assertEqual(self.run_checker(document("1.00", square(100, 100, 100))).returncode, 1)
        crossed = ("<L>" + "".join('<B S="%d$%d"/>' % p for p in
                                   [(700000, 1100000), (700100, 1100100), (700100, 1100000),
                                    (700000, 1100100), (700000, 1100000)]) + "</L>")
        r = self.run_checker(document("0.00", crossed))
        self.assertEqual(r.returncode, 1)
        self.assertIn("invalid polygon", r.stdout)
        r = self.run_checker(document("1.00", square(700000, 1100000, 100)), "--require", "2")
        self.assertEqual(r.returncode, 1)


if __name__ == "__main__":
    unittest.main()
