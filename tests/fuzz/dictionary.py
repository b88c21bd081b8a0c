"""Writes the fuzz targets' dictionary (libFuzzer's format) to standard output: every element and
attribute name of the project's XML samples under data/, with the markup around them, and the
tokens of the text formats (grid layout records, numbers, dates). Usage: dictionary.py <repository>"""
import pathlib
import re
import sys

TOKENS = ["<?xml version=\"1.0\"?>", "<![CDATA[", "]]>", "<!--", "-->", "&amp;", "&lt;", "&gt;", "&quot;", "&apos;",
          "&#13;", "&#x1F600;", "xmlns:", "\t", "\r\n", "\\t", "\\n", "NOX-GRID-LAYOUT\t1", "CONTENT\tall\t1", "SIZE\t",
          "LOOK\t", "COLUMN\t", "ROW\t", "L:", "B:True", "I:", "F:", "D:", "S:", "N:", "E:", "&H", "&O", "E+", "E-",
          " AM", " PM", "12/31/9999", "1899-12-30", "T00:00:00", "2147483648", "-32769", "1E+308", "4.9E-324"]


def names(root):
    found = set()
    for path in sorted(pathlib.Path(root, "data").rglob("*.xml")):
        text = path.read_text(encoding="utf-8", errors="replace")
        for tag in re.findall(r"<([A-Za-z_][\w.:-]*)", text):
            found.update({tag, "<" + tag + ">", "</" + tag + ">"})
        found.update(name + "=\"" for name in re.findall(r"\s([A-Za-z_][\w.:-]*)=[\"']", text))
    return found


def quoted(token):
    escaped = "".join(c if 32 <= ord(c) < 127 and c not in "\\\"" else "\\x%02X" % ord(c) for c in token)
    return "\"" + escaped + "\""


def main():
    for token in sorted(names(sys.argv[1]) | set(TOKENS)):
        print(quoted(token))


if __name__ == "__main__":
    main()
