"""tools/check_layers.py on small source trees planted with the faults it is there to find.

Run by ctest: python3 -m unittest discover -s tests/layers
"""

import pathlib
import subprocess
import sys
import tempfile
import unittest

CHECKER = pathlib.Path(__file__).resolve().parents[2] / "tools" / "check_layers.py"
sys.path.insert(0, str(CHECKER.parent))

import check_layers  # noqa: E402


class LayerCheckTest(unittest.TestCase):
    def setUp(self):
        self.directory = tempfile.TemporaryDirectory()
        self.root = pathlib.Path(self.directory.name)

    def tearDown(self):
        self.directory.cleanup()

    def write(self, path, *includes):
        file = self.root / path
        file.parent.mkdir(parents=True, exist_ok=True)
        lines = [f"#include {name}" if name.startswith("<") else f'#include "{name}"'
                 for name in includes]
        file.write_text("\n".join(lines + ["int x;"]) + "\n")

    def problems(self, allowances=()):
        return check_layers.check(self.root, allowances)

    def test_includes_downward_pass(self):
        self.write("platform/clock.hpp", "<ctime>")
        self.write("datalib/calendar.cpp", "platform/clock.hpp", "datalib/calendar.hpp")
        self.write("datalib/calendar.hpp")
        self.write("launcher/main.cpp", "datalib/calendar.hpp", "cli/command_line.hpp")
        self.write("cli/command_line.hpp", "jobs/options.hpp")
        self.write("jobs/options.hpp", "outputs/format.hpp", "plot/chart.hpp", "export/names.hpp")
        self.write("outputs/format.hpp")
        self.write("plot/chart.hpp")
        self.write("export/names.hpp")
        self.assertEqual(self.problems(), [])

    def test_planted_climb_is_named_by_file_line_and_include(self):
        self.write("datalib/calendar.hpp")
        self.write("platform/clock.hpp", "<cstdint>", "datalib/calendar.hpp")
        self.assertEqual(self.problems(), [
            'platform/clock.hpp:2: platform/ includes "datalib/calendar.hpp" of '
            "datalib/, a higher layer"])

    def test_two_folders_including_each_other_are_a_loop(self):
        self.write("datalib/path_helpers.cpp", "platform/path_separator.hpp")
        self.write("platform/path_separator.hpp")
        self.write("platform/clock.hpp", "datalib/calendar.hpp")
        self.write("datalib/calendar.hpp")
        problems = self.problems()
        self.assertEqual(len(problems), 2)
        self.assertIn("platform/clock.hpp:1:", problems[0])
        self.assertEqual(problems[1], "datalib/ and platform/ include each other "
                         "(datalib/path_helpers.cpp:1 and platform/clock.hpp:1)")

    def test_the_layers_the_library_face_and_the_front_ends_keep(self):
        self.write("outputs/csv/csv_writer.cpp", "jobs/options.hpp")
        self.write("plot/log_plot.cpp", "jobs/options.hpp")
        self.write("jobs/options.hpp", "cli/command_line.hpp")
        self.write("python/module.cpp", "cli/command_line.hpp")
        self.write("cli/command_line.hpp")
        self.assertEqual(self.problems(), [
            'jobs/options.hpp:1: jobs/ includes "cli/command_line.hpp" of cli/, a higher layer',
            'outputs/csv/csv_writer.cpp:1: outputs/ includes "jobs/options.hpp" of jobs/, '
            "a higher layer",
            'plot/log_plot.cpp:1: plot/ includes "jobs/options.hpp" of jobs/, a higher layer',
            'python/module.cpp:1: python/ includes "cli/command_line.hpp" of cli/, its own layer',
        ])

    def test_only_the_component_library_entry_reaches_the_dialogs(self):
        self.write("ui/dialog_session.hpp", "component/template_dialogs.hpp")
        self.write("ui/win32/dialogs.rc", "ui/win32/resource_ids.h")
        self.write("ui/win32/resource_ids.h")
        self.write("ui/qt/batch_dialog.cpp", "component/conversion_driver.hpp")
        self.write("component/template_dialogs.hpp")
        self.write("component/conversion_driver.hpp")
        self.write("component/server/co_pelcon.cpp", "ui/dialog_session.hpp",
                   "component/conversion_driver.hpp")
        self.write("component/server/tarvel_pelcon.rc", "ui/win32/dialogs.rc")
        self.assertEqual(self.problems(), [])

        self.write("component/conversion_driver.cpp", "ui/dialog_session.hpp")
        self.write("ui/qt/run_batch_dialog.cpp", "component/server/co_pelcon.hpp")
        self.write("component/server/co_pelcon.hpp")
        self.assertEqual(self.problems(), [
            'component/conversion_driver.cpp:1: component/ includes "ui/dialog_session.hpp" of '
            "ui/, a higher layer",
            'ui/qt/run_batch_dialog.cpp:1: ui/ includes "component/server/co_pelcon.hpp" of '
            "component/server/, a higher layer",
            "component/ and ui/ include each other "
            "(component/conversion_driver.cpp:1 and ui/dialog_session.hpp:1)",
            "component/server/ and ui/ include each other "
            "(component/server/co_pelcon.cpp:1 and ui/qt/run_batch_dialog.cpp:1)",
        ])

    def test_tests_and_tools_may_include_anything_but_the_product_not_them(self):
        self.write("tests/platform/clock_test.cpp", "launcher/main.cpp", "platform/clock.hpp")
        self.write("tools/render.cpp", "ui/qt/batch_dialog.hpp")
        self.write("build/default/generated.cpp", "launcher/main.cpp")
        self.write("launcher/main.cpp")
        self.write("platform/clock.hpp", "tests/support/log_file_builder.hpp")
        self.write("tests/support/log_file_builder.hpp")
        self.assertEqual(self.problems(), [
            'platform/clock.hpp:1: includes "tests/support/log_file_builder.hpp" from tests/, '
            "which is not part of the product"])

    def test_a_folder_missing_from_the_table_is_named(self):
        self.write("scripting/engine.cpp", "platform/clock.hpp")
        self.write("platform/clock.hpp")
        self.assertEqual(self.problems(), ["scripting/: not in the layer table of check_layers.py"])

    def test_an_include_beside_the_file_counts_for_its_folder(self):
        self.write("platform/clock.hpp", "../datalib/calendar.hpp")
        self.write("datalib/calendar.hpp")
        self.write("ui/win32/dialogs.rc", "resource_ids.h")
        self.write("ui/win32/resource_ids.h")
        self.assertEqual(len(self.problems()), 1)
        self.assertIn("datalib/, a higher layer", self.problems()[0])

    def test_an_allowance_lets_its_include_pass_until_it_is_gone(self):
        self.write("python/pelcon_module.cpp", "cli/convert_command.hpp")
        self.write("cli/convert_command.hpp")
        allowance = {("python/pelcon_module.cpp", "cli/convert_command.hpp")}
        self.assertEqual(self.problems(allowance), [])

        self.write("python/pelcon_module.cpp", "jobs/convert.hpp")
        self.write("jobs/convert.hpp")
        self.assertEqual(self.problems(allowance), [
            'python/pelcon_module.cpp: no longer includes "cli/convert_command.hpp" upward; '
            "remove its temporary allowance"])

    def test_exit_code_says_whether_anything_climbs(self):
        allowed = {}
        for source, name in check_layers.TEMPORARY_ALLOWANCES:
            allowed.setdefault(source, []).append(name)
            self.write(name)
        for source, names in allowed.items():
            self.write(source, *names)
        self.write("datalib/calendar.hpp", "platform/clock.hpp")
        self.write("platform/clock.hpp")
        command = [sys.executable, str(CHECKER), str(self.root)]
        passing = subprocess.run(command, capture_output=True, text=True, check=False)
        self.assertEqual((passing.returncode, passing.stdout), (0, ""))

        self.write("platform/clock.hpp", "datalib/calendar.hpp")
        failing = subprocess.run(command, capture_output=True, text=True, check=False)
        self.assertEqual(failing.returncode, 1)
        self.assertIn('platform/clock.hpp:1: platform/ includes "datalib/calendar.hpp"',
                      failing.stdout)

if __name__ == "__main__":
    unittest.main()
