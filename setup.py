"""Builds the Python module zorpi: the extension zorpi._zorpi (python/module.cpp) from the
calculation sources of src/model and src/calc, inside the package python/zorpi, which
pyproject.toml describes. From a clone or the source distribution:

    pip install --no-build-isolation .

The version is project()'s in CMakeLists.txt, the one place it is written.
"""
import re
from pathlib import Path

from pybind11.setup_helpers import Pybind11Extension
from setuptools import setup

ROOT = Path(__file__).resolve().parent
VERSION = re.search(r'project\(zorpi VERSION ([0-9.]+)',
                    (ROOT / 'CMakeLists.txt').read_text(encoding='utf-8')).group(1)

# version.h, as CMake makes it from src/version.h.in.
GENERATED = Path('build-python', 'generated')
GENERATED.mkdir(parents=True, exist_ok=True)
version_h = (ROOT / 'src' / 'version.h.in').read_text(encoding='utf-8')
for name, value in zip(['MAJOR', 'MINOR', 'PATCH'], VERSION.split('.')):
    version_h = version_h.replace(f'@PROJECT_VERSION_{name}@', value)
(GENERATED / 'version.h').write_text(version_h.replace('@PROJECT_VERSION@', VERSION),
                                     encoding='utf-8')

SOURCES = ['python/module.cpp'] + sorted(
    source.relative_to(ROOT).as_posix()
    for folder in ['src/model', 'src/calc'] for source in (ROOT / folder).glob('*.cpp'))

setup(
    version=VERSION,
    ext_modules=[Pybind11Extension(
        'zorpi._zorpi', SOURCES, include_dirs=['src', 'python', GENERATED.as_posix()],
        cxx_std=17,
        # As the program: results to the last printed digit, whatever the machine; and no path
        # of the folder built in, so that the same sources give the same wheel.
        extra_compile_args=['-ffp-contract=off', f'-ffile-prefix-map={ROOT}=.'])],
    options={'build': {'build_base': 'build-python'}},
)
