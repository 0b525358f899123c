"""Checks a saved workbook or presentation with Python's own zip and XML readers: every
part has a content type, every relationship points at a part of the package, and the
document properties are the parts the package relationships name. Prints one "key=value"
line per fact (openpyxl's reading of the title and creation time for workbooks) and
"problem=..." for each fault."""
import posixpath
import sys
import xml.etree.ElementTree as ET
import zipfile

CT = "{http://schemas.openxmlformats.org/package/2006/content-types}"
REL = "{http://schemas.openxmlformats.org/package/2006/relationships}"
CP = "{http://schemas.openxmlformats.org/package/2006/metadata/core-properties}"
DC = "{http://purl.org/dc/elements/1.1/}"
DCTERMS = "{http://purl.org/dc/terms/}"
XSI = "{http://www.w3.org/2001/XMLSchema-instance}"
EP = "{http://schemas.openxmlformats.org/officeDocument/2006/extended-properties}"


def main(path):
    out = []
    with zipfile.ZipFile(path) as z:
        names = z.namelist()
        types = ET.fromstring(z.read("[Content_Types].xml"))
        overrides = {o.get("PartName"): o.get("ContentType") for o in types.iter(CT + "Override")}
        defaults = {d.get("Extension"): d.get("ContentType") for d in types.iter(CT + "Default")}
        for name in names:
            if name == "[Content_Types].xml":
                continue
            if "/" + name not in overrides and name.rsplit(".", 1)[-1] not in defaults:
                out.append(f"problem=no content type for {name}")
        for name in names:
            if not name.endswith(".rels"):
                continue
            source = posixpath.dirname(posixpath.dirname(name))
            for rel in ET.fromstring(z.read(name)).iter(REL + "Relationship"):
                target = posixpath.normpath(posixpath.join(source, rel.get("Target")))
                if target not in names:
                    out.append(f"problem={name} points at missing {target}")
                if name == "_rels/.rels":
                    kind = rel.get("Type").rsplit("/", 1)[-1]
                    out.append(f"rel.{kind}={target}")
        for part in ("docProps/core.xml", "docProps/app.xml"):
            out.append(f"type.{part}={overrides.get('/' + part, '<none>')}")
        core = ET.fromstring(z.read("docProps/core.xml"))
        title = core.find(DC + "title")
        out.append(f"core.title={title.text if title is not None else '<none>'}")
        for name in ("created", "modified"):
            element = core.find(DCTERMS + name)
            out.append(f"core.{name}={element.text} {element.get(XSI + 'type')}")
        app = ET.fromstring(z.read("docProps/app.xml"))
        for element in app:
            if len(element) == 0:
                out.append(f"app.{element.tag.replace(EP, '')}={element.text}")
    if path.endswith(".xlsx"):
        import openpyxl

        properties = openpyxl.load_workbook(path).properties
        out.append(f"openpyxl.title={properties.title}")
        out.append(f"openpyxl.created={properties.created.isoformat()}")
    sys.stdout.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main(sys.argv[1])
