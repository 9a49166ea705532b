#!/usr/bin/env python3
"""Tests of scripts/check-layering on small trees of its own, with a table of their own."""
import os
import subprocess
import sys
import tempfile
import textwrap
import unittest

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'check-layering')

TABLE = textwrap.dedent('''\
    # room: may include
    base:
    model:          base
    sources/*:      base model
    top:            base model sources/*
    gui:            base model top
    testing:        *
    tool:           base
    tests:          tool
    qt:             gui
    ''')


class CheckLayeringTest(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.root = self.tmp.name
        self.write('layering.txt', TABLE)
        self.write('base/text.h', '#pragma once\n')
        self.write('model/unit.h', '#pragma once\n#include "base/text.h"\n')
        self.write('model/tests/unit_test.cpp', '#include <gtest/gtest.h>\n#include "model/unit.h"\n')
        self.write('sources/db/db.cpp', '#include "model/unit.h"\n#include <sqlite3.h>\n')
        self.write('top/main.cpp', '#include "sources/db/db.h"\n#include "model/unit.h"\n')
        self.write('testing/fixture.h', '#include "model/unit.h"\n')
        self.write('testing/deep.h', '#include "testing/fixture.h"\n')
        self.write('gui/window.cpp', '#include <QtWidgets/QMainWindow>\n#include <QString>\n')
        self.write('notes.txt', '#include "top/main.h"\n')  # not a source file
        self.write('build/x/CMakeFiles/a.cpp', '#include "top/main.h"\n')  # a build tree

    def tearDown(self):
        self.tmp.cleanup()

    def write(self, path, text):
        full = os.path.join(self.root, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, 'w', encoding='utf-8') as f:
            f.write(text)

    def run_check(self, stream='stdout'):
        """The exit code and what the checker wrote to `stream`."""
        result = subprocess.run(
            [sys.executable, SCRIPT, '--root', self.root,
             '--table', os.path.join(self.root, 'layering.txt')],
            capture_output=True, text=True)
        return result.returncode, getattr(result, stream)

    def assertFails(self, *expected):
        code, out = self.run_check()
        self.assertEqual(code, 1, out)
        for text in expected:
            self.assertIn(text, out)
        return out

    def test_a_tree_that_keeps_to_the_table_passes(self):
        code, out = self.run_check()
        self.assertEqual(code, 0, out)
        self.assertIn('keep to the table', out)

    def test_a_back_edge_fails_with_file_and_line(self):
        self.write('model/unit.cpp', '#include "model/unit.h"\n\n#include "top/main.h"\n')
        self.assertFails('model/unit.cpp:3: includes "top/main.h" of top/, a room that model/ '
                         'may not use')

    def test_tests_belong_to_the_room_of_their_folder(self):
        self.write('base/tests/text_test.cpp', '#include "model/unit.h"\n')
        self.assertFails('base/tests/text_test.cpp:1:')

    def test_tests_may_use_the_rooms_of_the_tests(self):
        self.write('model/tests/tool_test.cpp', '#include "tool/generator.h"\n')
        self.assertEqual(self.run_check()[0], 0)
        self.write('model/unit.cpp', '#include "tool/generator.h"\n')
        self.assertFails('model/unit.cpp:1: includes "tool/generator.h" of tool/')

    def test_sources_may_not_use_each_other(self):
        self.write('sources/files/files.cpp', '#include "sources/db/db.h"\n')
        self.assertFails('sources/files/files.cpp:1: includes "sources/db/db.h" of sources/db/')
        # Their own folder is theirs.
        self.write('sources/files/files.cpp', '#include "sources/files/files.h"\n')
        self.assertEqual(self.run_check()[0], 0)

    def test_a_helper_is_only_for_rooms_that_may_use_what_it_includes(self):
        self.write('model/tests/more_test.cpp', '#include "testing/deep.h"\n')
        self.assertEqual(self.run_check()[0], 0)
        self.write('base/tests/text_test.cpp', '#include "testing/deep.h"\n')
        self.assertFails('base/tests/text_test.cpp:1: includes "testing/deep.h", which uses '
                         'model/')
        self.write('base/tests/text_test.cpp', '#include "testing/missing.h"\n')
        self.assertFails('does not exist')

    def test_helpers_of_a_folders_tests_stay_in_that_folder(self):
        self.write('model/tests/fixture.h', '#pragma once\n')
        self.write('model/tests/data/case.h', '#include "model/tests/fixture.h"\n')
        self.write('model/tests/more_test.cpp', '#include "model/tests/fixture.h"\n')
        self.assertEqual(self.run_check()[0], 0)
        self.write('model/sub/tests/sub_test.cpp', '#include "model/tests/fixture.h"\n')
        self.assertFails('model/sub/tests/sub_test.cpp:1: includes "model/tests/fixture.h", a '
                         'helper of another folder')

    def test_qt_only_in_its_rooms(self):
        self.write('top/window.h', '#include <QWidget>\n')
        self.assertFails('top/window.h:1: includes the Qt header <QWidget>')

    def test_files_and_includes_outside_every_room_fail(self):
        self.write('loose/x.cpp', '')
        self.assertFails('loose/x.cpp: lies in no room')
        os.remove(os.path.join(self.root, 'loose/x.cpp'))
        self.write('model/unit.cpp', '#include "unit.h"\n')
        self.assertFails('model/unit.cpp:1: includes "unit.h", which lies in no room')

    def write_libraries(self):
        self.write('model/CMakeLists.txt', textwrap.dedent('''\
            add_library(tarnik_model STATIC unit.cpp)  # the model
            target_link_libraries(tarnik_model PUBLIC tarnik_base
                                  fmt::fmt)
            tarnik_add_test(model_tests SOURCES tests/unit_test.cpp LIBS tarnik_model
                            tarnik_helpers)
            '''))
        self.write('base/CMakeLists.txt', 'add_library(tarnik_base STATIC text.cpp)\n')
        self.write('testing/CMakeLists.txt', 'add_library(tarnik_helpers STATIC f.cpp)\n'
                   'target_link_libraries(tarnik_helpers PUBLIC tarnik_model)\n')
        self.write('sources/CMakeLists.txt', textwrap.dedent('''\
            add_library(tarnik_sources INTERFACE)
            foreach(kind db)
              add_subdirectory(${kind})
              target_link_libraries(tarnik_sources INTERFACE tarnik_sources_${kind})
            endforeach()
            '''))
        self.write('sources/db/CMakeLists.txt', 'add_library(tarnik_sources_db STATIC db.cpp)\n'
                   'target_link_libraries(tarnik_sources_db PUBLIC tarnik_model)\n')
        self.write('top/CMakeLists.txt', 'add_executable(tarnik main.cpp)\n'
                   'target_link_libraries(tarnik PRIVATE tarnik_sources tarnik_model)\n')

    def test_libraries_link_as_their_rooms_may_include(self):
        self.write_libraries()
        code, out = self.run_check()
        self.assertEqual(code, 0, out)
        self.write('model/CMakeLists.txt', 'add_library(tarnik_model STATIC unit.cpp)\n'
                   '# a comment naming target_link_libraries(tarnik_model tarnik_top)\n'
                   'target_link_libraries(tarnik_model PUBLIC\n  tarnik_sources_db)\n')
        self.assertFails('model/CMakeLists.txt:3: tarnik_model of model/ links tarnik_sources_db '
                         'of sources/db/, a room that model/ may not use')

    def test_a_helper_library_carries_what_it_links(self):
        self.write_libraries()
        self.write('base/CMakeLists.txt', 'add_library(tarnik_base STATIC text.cpp)\n'
                   'tarnik_add_test(base_tests SOURCES t.cpp LIBS tarnik_base tarnik_helpers)\n')
        self.assertFails('base_tests of base/ links tarnik_helpers, which links model/')

    def test_unknown_libraries_and_order_dependent_links_fail(self):
        self.write_libraries()
        self.write('top/CMakeLists.txt', 'add_executable(tarnik main.cpp)\n'
                   'if(TARGET tarnik_gone)\n  target_link_libraries(tarnik PRIVATE tarnik_gone)\n'
                   'endif()\nset(EXTRA_LIBS tarnik_model tarnik_lost)\n')
        self.assertFails('top/CMakeLists.txt:2: asks whether tarnik_gone exists',
                         'top/CMakeLists.txt:3: links tarnik_gone, which no CMakeLists.txt '
                         'defines',
                         'top/CMakeLists.txt:5: names tarnik_lost, which no CMakeLists.txt '
                         'defines')
        self.assertEqual(self.run_check()[1].count('tarnik_model'), 0)

    def test_a_table_naming_an_unknown_room_or_a_cycle_is_refused(self):
        self.write('layering.txt', TABLE + 'extra: nowhere\n')
        code, _ = self.run_check()
        self.assertEqual(code, 2)
        self.write('layering.txt', TABLE.replace('base:', 'base: top'))
        code, err = self.run_check('stderr')
        self.assertEqual(code, 2)
        self.assertIn('use each other', err)


if __name__ == '__main__':
    unittest.main()
