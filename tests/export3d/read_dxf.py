"""Reads a drawing exchange file with ezdxf and reports, one item a line:
the release, the audit's error and fix counts, each layer, and each entity
of the model space; a 3DFACE with its layer and its twelve coordinates as
Python writes them, the shortest text that reads back as the same double.
Exits non-zero when ezdxf cannot read the file."""
import sys

import ezdxf

doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
print("release", doc.dxfversion)
print("errors", len(auditor.errors))
print("fixes", len(auditor.fixes))
for error in auditor.errors:
    print("error-text", error.message)
for layer in doc.layers:
    print("layer", layer.dxf.name, layer.dxf.color)
for entity in doc.modelspace():
    if entity.dxftype() != "3DFACE":
        print("entity", entity.dxftype())
        continue
    corners = [entity.dxf.get(name) for name in ("vtx0", "vtx1", "vtx2", "vtx3")]
    print("face", entity.dxf.layer, " ".join(repr(value) for corner in corners for value in corner))
