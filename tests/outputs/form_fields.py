#!/usr/bin/env python3
"""Reads an HTML page with Python's own html.parser and prints, as a JSON list, one line for the page's charset,
its title, each form, and each form control with its name and values, in page order."""
import html.parser
import json
import sys


class FormReader(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.lines = []
        self.title = None
        self.select = None
        self.option = None

    def handle_starttag(self, tag, attrs):
        a = {name: (value if value is not None else "") for name, value in attrs}
        if tag == "meta" and "charset" in a:
            self.lines.append("charset " + a["charset"])
        elif tag == "title":
            self.title = ""
        elif tag == "form":
            self.lines.append("form %s %s" % (a.get("method", ""), a.get("action", "")))
        elif tag == "input":
            line = "%s %s=%s" % (a.get("type", "text"), a.get("name", ""), a.get("value", ""))
            if "size" in a:
                line += " size=" + a["size"]
            self.lines.append(line)
        elif tag == "select":
            self.select = [a.get("name", "")]
        elif tag == "option":
            self.option = [a.get("value"), ""]
        elif tag == "textarea":
            self.lines.append("textarea %s %sx%s" % (a.get("name", ""), a.get("rows", ""), a.get("cols", "")))

    def handle_data(self, data):
        if self.title is not None:
            self.title += data
        if self.option is not None:
            self.option[1] += data

    def handle_endtag(self, tag):
        if tag == "title":
            self.lines.append("title " + self.title)
            self.title = None
        elif tag == "option" and self.option is not None and self.select is not None:
            self.select.append("%s:%s" % (self.option[0], self.option[1].strip()))
            self.option = None
        elif tag == "select" and self.select is not None:
            self.lines.append("select " + " ".join(self.select))
            self.select = None


reader = FormReader()
with open(sys.argv[1], encoding="utf-8") as page:
    reader.feed(page.read())
reader.close()
print(json.dumps(reader.lines))
