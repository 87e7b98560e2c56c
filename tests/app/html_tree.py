"""Reads an exported HTML page with Python's own HTML parser and prints its tree as JSON:
a list of categories, each {"name", "notes": [{"text", "class"}], "children"}."""
import json
import sys
from html.parser import HTMLParser


class TreeReader(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.top = []
        self.stack = []
        self.target = None  # the dict and key that text goes to

    def handle_starttag(self, tag, attrs):
        if tag == "section":
            node = {"name": "", "notes": [], "children": []}
            (self.stack[-1]["children"] if self.stack else self.top).append(node)
            self.stack.append(node)
        elif tag in ("h1", "h2", "h3", "h4", "h5", "h6"):
            self.target = (self.stack[-1], "name")
        elif tag == "li":
            note = {"text": "", "class": dict(attrs).get("class", "")}
            self.stack[-1]["notes"].append(note)
            self.target = (note, "text")
        elif tag == "br" and self.target:
            self.target[0][self.target[1]] += "\r\n"

    def handle_endtag(self, tag):
        if tag == "section":
            self.stack.pop()
        elif tag in ("h1", "h2", "h3", "h4", "h5", "h6", "li"):
            self.target = None

    def handle_data(self, data):
        if self.target:
            self.target[0][self.target[1]] += data


reader = TreeReader()
with open(sys.argv[1], encoding="utf-8") as page:
    reader.feed(page.read())
reader.close()
print(json.dumps(reader.top))
