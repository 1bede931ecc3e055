"""Opens DXF drawings with ezdxf: every INSERT must name a block of the file and
the audit must report no error. Prints what it found; exit status 1 on a fault.

usage: check_dxf.py DRAWING...
"""
import collections
import sys

import ezdxf


def check(path):
    try:
        doc = ezdxf.readfile(path)
    except (IOError, ezdxf.DXFError) as error:
        print(f"{path}: ezdxf cannot read it: {error}")
        return False
    entities = collections.Counter(e.dxftype() for e in doc.modelspace())
    inserts = doc.modelspace().query("INSERT")
    unresolved = sorted({i.dxf.name for i in inserts if doc.blocks.get(i.dxf.name) is None})
    auditor = doc.audit()
    fixes = collections.Counter(fix.message for fix in auditor.fixes)
    print(f"{path}: DXF {doc.dxfversion}, entities {dict(sorted(entities.items()))}, "
          f"blocks {[b.name for b in doc.blocks if not b.name.startswith('*')]}")
    print(f"  INSERTs {len(inserts)}, without their block {len(unresolved)} {unresolved}")
    print(f"  audit: {len(auditor.errors)} errors, {len(auditor.fixes)} fixes")
    for error in auditor.errors:
        print(f"    error: {error.message}")
    for message, count in fixes.most_common():
        print(f"    fix ({count}x): {message}")
    return not unresolved and not auditor.errors


def main(paths):
    results = [check(path) for path in paths]
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
