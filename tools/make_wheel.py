#!/usr/bin/env python3
"""Makes the wheel of the Python module zorpi from its built shared object: the module, the
licence and the metadata pip wants, for the Python that runs this script (its tag, say
cp311-cp311-linux_x86_64). The same inputs give the same file: the entries in a fixed order,
each with the time of SOURCE_DATE_EPOCH (the last commit's, from tools/release) and fixed
permissions.

Usage: make_wheel.py MODULE.so VERSION LICENSE OUTPUT_DIR
"""
import base64
import hashlib
import os
import sys
import sysconfig
import time
import zipfile


def record_line(name, data):
    digest = base64.urlsafe_b64encode(hashlib.sha256(data).digest()).rstrip(b'=').decode()
    return f'{name},sha256={digest},{len(data)}'


def main():
    module, version, licence, output = sys.argv[1:5]
    python = f'cp{sys.version_info.major}{sys.version_info.minor}'
    platform = sysconfig.get_platform().replace('-', '_').replace('.', '_')
    tag = f'{python}-{python}-{platform}'
    info = f'zorpi-{version}.dist-info'
    with open(module, 'rb') as built:
        module_bytes = built.read()
    with open(licence, 'rb') as text:
        licence_bytes = text.read()
    metadata = '\n'.join([
        'Metadata-Version: 2.1',
        'Name: zorpi',
        f'Version: {version}',
        'Summary: Simplified strength check of shaft-hub connections (ZORPI\'s calculations)',
        'License: MIT',
        f'Requires-Python: =={sys.version_info.major}.{sys.version_info.minor}.*',
        '',
        'The connection record of ZORPI and its calculations of parallel key, spline shaft,',
        'serrated spline, polygon, taper and clamp connections: default_record(), calculate(r),',
        'check(r), is_self_locking(r).',
        '']).encode()
    wheel = '\n'.join(['Wheel-Version: 1.0', 'Generator: zorpi tools/make_wheel.py',
                       'Root-Is-Purelib: false', f'Tag: {tag}', '']).encode()
    files = [
        (os.path.basename(module), module_bytes, 0o755),
        (f'{info}/LICENSE', licence_bytes, 0o644),
        (f'{info}/METADATA', metadata, 0o644),
        (f'{info}/WHEEL', wheel, 0o644),
    ]
    record = '\n'.join([record_line(name, data) for name, data, _ in files] +
                       [f'{info}/RECORD,,', '']).encode()
    files.append((f'{info}/RECORD', record, 0o644))
    stamp = time.gmtime(int(os.environ.get('SOURCE_DATE_EPOCH', '315532800')))[:6]
    path = os.path.join(output, f'zorpi-{version}-{tag}.whl')
    with zipfile.ZipFile(path, 'w', zipfile.ZIP_DEFLATED) as archive:
        for name, data, mode in files:
            entry = zipfile.ZipInfo(name, date_time=stamp)
            entry.external_attr = (0o100000 | mode) << 16
            entry.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(entry, data)
    print(path)


if __name__ == '__main__':
    main()
