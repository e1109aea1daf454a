#!/usr/bin/env python3
"""Writes Report.rav, the report project of KALVO's PDF reports, beside this
script: report Report1 with its pages in printing order (first page of the
detailed report, first page of the simple report, pipes page, graphs page,
list pages 3 to 15), every page with the letterhead and the footer sections.
Units are millimetres on an A4 portrait page. Edit the layout here and run
the script; Report.rav is its output."""
import json
import os
ACCENT="#1F3A5F"; BAND="#E3EAF2"; FRAME="#9AAABB"; LABEL="#3A3A3A"; GRID="#B8C4D0"
L,R=15,195

def text(name,x,y,w,h=4.5,style="value",**kw):
    # 8.5-point labels sit 0.16 mm lower than 9-point values: same baseline.
    if style=="label": y=round(y+0.16,2)
    d={"kind":"text"}
    if name: d["name"]=name
    d.update({"style":style,"x":x,"y":y,"width":w,"height":h}); d.update(kw); return d
def memo(name,x,y,w,h,style="value",**kw):
    d={"kind":"memo","name":name,"style":style,"x":x,"y":y,"width":w,"height":h}; d.update(kw); return d
def rect(name,x,y,w,h,**kw):
    d={"kind":"rectangle"}
    if name: d["name"]=name
    d.update({"x":x,"y":y,"width":w,"height":h}); d.update(kw); return d
def line(x,y,x2,y2,**kw):
    d={"kind":"line","x":x,"y":y,"x2":x2,"y2":y2}; d.update(kw); return d
def pic(name,x,y,w,h,**kw):
    d={"kind":"picture","name":name,"x":x,"y":y,"width":w,"height":h}; d.update(kw); return d

def section(headname, x, y, w, h):
    """A ruled section: framed box with a tinted heading band."""
    return [rect(None,x,y,w,6.5,style="band"),
            rect(None,x,y,w,h,style="frame"),
            text(headname,x+2,y+1.3,w-4,5,"heading")]

def square(name,x,y):
    return rect(name,x,y,3.6,3.6,style="square")

def yesno(label1, label2, yes, no, sq1, sq2, x, y, labw=44):
    out=[text(label1,x,y,labw,style="label"), text(label2,x,y+3.8,labw,style="label"),
         text(yes,x+labw+2,y+1.9,9,style="label",align="right"), square(sq1,x+labw+12,y+2),
         text(no,x+labw+17,y+1.9,9,style="label",align="right"), square(sq2,x+labw+27,y+2)]
    return out

styles={
 "label":{"font":{"family":"Arial","size":8.5},"color":LABEL},
 "value":{"font":{"family":"Arial","size":9}},
 "strong":{"font":{"family":"Arial","size":9,"bold":True}},
 "heading":{"font":{"family":"Arial","size":9.5,"bold":True},"color":ACCENT},
 "small":{"font":{"family":"Arial","size":7.5},"color":LABEL,"align":"right"},
 "frame":{"penColor":FRAME,"penWidth":0.3},
 "band":{"fill":"solid","fillColor":BAND,"penWidth":0},
 "square":{"penColor":"#000000","penWidth":0.3},
 "list":{"font":{"family":"Courier New","size":8},"lineHeight":3.6},
 "footer":{"font":{"family":"Arial","size":8},"color":LABEL},
}

header=[
 pic("BitmapLogo",L,10,55,26,align="left"),
 text("TextOwner",100,10,95,5,"heading",align="right",font={"size":10.5}),
 text("TextOwnerAddress",100,15.6,95,3.5,"small"),
 text("TextOwnerZipcode",100,19.1,95,3.5,"small"),
 text("TextOwnerCountry",100,22.6,95,3.5,"small"),
 text("TextOwnerTel",100,26.1,95,3.5,"small"),
 text("TextOwnerFax",100,29.6,95,3.5,"small"),
 text("TextOwnerEmail",100,33.1,95,3.5,"small"),
 text("TextOwnerWebsite",100,36.6,95,3.5,"small"),
 line(L,41.5,R,41.5,color=ACCENT,penWidth=0.6),
 memo("MemoTitle",L,44,R-L,11,"heading",align="center",font={"size":11.5}),
 line(L,56.5,R,56.5,color=ACCENT,penWidth=0.25),
]
footer=[
 line(L,265,R,265,color=ACCENT,penWidth=0.4),
 memo("MemoFooter",L,267,130,5,"strong",font={"size":8.5}),
 text("TextNumPage",155,267,40,5,"strong",align="right",font={"size":8.5}),
 text("Text40",L,273,44,4,"footer"),
 text("TextEstablished",60,273,40,4,"footer",color="#000000"),
 text("Text45",101,273,12,4,"footer"),
 text("TextReportDate",113,273,26,4,"footer",color="#000000"),
 text("Text44",L,278,44,4,"footer"),
 text("TextSignatory",60,278,60,4,"footer",color="#000000"),
 pic("PicSignature",140,272,55,20,align="right",visible=False),
]

def page1():
    c=[]
    c+= [text("Text12",L,60,44,style="label"), text("TextDate",60,60,60,style="strong"),
         text("TextTime",120,60,26,style="strong"),
         text("Text46",146,60,31,style="label",align="right"), text("TextImplant",178,60,17,style="strong")]
    c+= [text("TextPVTitle",L,66,R-L,style="heading",font={"size":9}),
         text("TextPV",L,71,R-L,style="value")]
    # Customer and operator, side by side.
    c+= section("Text9",L,78,88,30)
    c+= [text("TextTankowner",L+2,87,84,style="strong"), text("TextAddress",L+2,91.3,84),
         text("TextZipcode",L+2,95.6,84), text("TextCountry",L+2,99.9,84)]
    x=107
    c+= section("Text8",x,78,88,30)
    c+= [text("Text1",x+2,87,84,style="label"), text("TextOperator",x+2,91.3,84,style="strong"),
         text("Text10",x+2,97,50,style="label"), text("TextSONVARSerial",x+53,97,33),
         text("Text11",x+2,102,50,style="label"), text("TextSwitchBoxSerial",x+53,102,33)]
    # Test conditions.
    y=111
    c+= section("Text13",L,y,R-L,27)
    c+= [text("Text14",L+2,y+9,40,style="label"), text("TextProduit",57,y+9,26), text("Text24",83,y+9,12,style="label"),
         text("Text15",L+2,y+14,40,style="label"), text("TextEau",57,y+14,26), text(None,83,y+14,12,style="label",text="cm"),
         text("Text16",L+2,y+19,40,style="label"), text("TextDep",57,y+19,26), text(None,83,y+19,12,style="label",text="mbar")]
    c+= yesno("Text17","Text18","Text27","Text28","square1","square2",109,y+8.5)
    c+= yesno("Text19","Text20","Text29","Text30","square3","square4",109,y+17)
    # Recording details, one row each: the labels are long in every language.
    y=141
    c+= section("Text43",L,y,R-L,26)
    c+= [text("Text5",L+2,y+9,80,style="label"), text("TextMeasurementNumber",99,y+9,40,style="strong"),
         text("Text3",L+2,y+14,80,style="label"), text("TextRedSensor",99,y+14,40,style="strong"),
         text("Text4",L+2,y+19,80,style="label"), text("TextBlackSensor",99,y+19,40,style="strong")]
    # Storage description.
    y=170
    c+= section("Text2",L,y,R-L,33)
    # The values run up to the right column: the longest kind of storage
    # ("Tanque de un solo compartimento") needs more than 48 mm.
    c+= [text("Text21",L+2,y+9,40,style="label"), text("TextNature",57,y+9,51),
         text("Text22",L+2,y+14,40,style="label"), text("TextSituation",57,y+14,51),
         text("Text23",L+2,y+19,40,style="label"), text("TextCapacite",57,y+19,51),
         text("Text31",L+2,y+24,40,style="label"), text("Text32",L+2,y+27.8,40,style="label"),
         text("TextRepere",57,y+25.9,51)]
    c+= [text("Text34",109,y+9,44,style="label"), text("TextType",155,y+9,40)]
    c+= yesno("Text35","Text36","Text41","Text42","square5","square6",109,y+14)
    c+= [text("Text37",109,y+24,44,style="label"), text("TextProduct",155,y+24,40)]
    # Result.
    y=206
    c+= section("Text38",L,y,R-L,15)
    c+= [text("Text39",L+2,y+9,50,style="label"), text("TextResult",68,y+8.6,80,style="strong",font={"size":10})]
    # Comment.
    y=224
    c+= section("Text7",L,y,R-L,38)
    c+= [memo("TextMainComment",L+2,y+8.5,R-L-4,28,style="value",color="#008000")]
    return c

def page16():
    c=[rect(None,L,60,R-L,6.5,style="band"), text("Text2",L+2,61.3,R-L-4,5,"heading")]
    # The tightness column is wide enough for "A tenuta", "Étanche", "Estanco".
    widths=[("Text21","TextNature",38),("Text1","TextMat",30),("Text3","TextDep",24),
            ("Text4","TextAr",24),("Text5","TextEta",16),("Text7","TextComment",48)]
    cols=[]; x=L
    for lab,val,w in widths:
        cols.append((lab,val,x,w)); x+=w
    top=73; rowh=8; head=7
    c.append(rect(None,L,top,R-L,head,style="band"))
    for lab,_,x,w in cols:
        c.append(text(lab,x+1.5,top+1.6,w-3,style="heading",font={"size":8.5}))
    for n in range(1,11):
        y=top+head+(n-1)*rowh
        if n%2==0:
            c.append(rect(None,L,y,R-L,rowh,fill="solid",fillColor="#F4F7FA",penWidth=0))
        for _,val,x,w in cols:
            c.append(text(f"{val}{n}",x+1.5,y+2.4,w-3,style="value",font={"size":7.5}))
    bottom=top+head+10*rowh
    for n in range(0,11):
        y=top+head+n*rowh
        c.append(line(L,y,R,y,color=GRID,penWidth=0.2))
    for _,_,x,w in cols[1:]:
        c.append(line(x,top,x,bottom,color=GRID,penWidth=0.2))
    c.append(rect(None,L,top,R-L,bottom-top,style="frame"))
    return c

def page2():
    return [pic("BitmapRed",L,61,R-L,98), pic("BitmapBlack",L,163,R-L,98)]

def listpage():
    c=[text("TextTitle",L,60,R-L,5,"heading",font={"size":10.5}), line(L,67,R,67,color=GRID,penWidth=0.3)]
    for cidx in range(1,6):
        x=L+cidx*30
        c.append(line(x,70,x,252,color=GRID,penWidth=0.2))
    for cidx in range(1,7):
        x=L+(cidx-1)*30+2
        c.append(memo(f"MemoCol{cidx}",x,70,27,182,"list"))
        c.append(memo(f"MemoCol{cidx}Red",x,70,27,182,"list",color="#C00000",font={"bold":True}))
    return c

def page17():
    c=[text("Text12",L,60,44,style="label"), text("TextDate",60,60,60,style="strong"),
       text("TextTime",120,60,26,style="strong")]
    y=68
    c+=section("Text8",L,y,R-L,18)
    c+=[text("Text10",L+2,y+9,80,style="label"), text("TextSONVARSerial",99,y+9,40,style="strong"),
        text("Text11",L+2,y+14,80,style="label"), text("TextSwitchBoxSerial",99,y+14,40,style="strong")]
    y=90
    c+=section("Text43",L,y,R-L,23)
    c+=[text("Text5",L+2,y+9,80,style="label"), text("TextMeasurementNumber",99,y+9,40,style="strong"),
        text("Text3",L+2,y+14,80,style="label"), text("TextRedSensor",99,y+14,40,style="strong"),
        text("Text4",L+2,y+19,80,style="label"), text("TextBlackSensor",99,y+19,40,style="strong")]
    return c

pages=[("Page1",page1()),("Page17",page17()),("Page16",page16()),("Page2",page2())]
for n in range(3,16): pages.append((f"Page{n}",listpage()))
project={"format":"KALVO report project","version":1,"styles":styles,
 "sections":{"Header":header,"Footer":footer},
 "reports":[{"name":"Report1","pages":[{"name":n,"include":["Header","Footer"],"components":c} for n,c in pages]}]}

# One component per line: readable and diff-friendly.
def dump(o, ind=0):
    sp="  "*ind
    if isinstance(o,dict) and "kind" in o:
        return json.dumps(o,ensure_ascii=False)
    if isinstance(o,dict):
        items=[f'{sp}  {json.dumps(k)}: {dump(v,ind+1)}' for k,v in o.items()]
        return "{\n"+",\n".join(items)+"\n"+sp+"}"
    if isinstance(o,list) and o and isinstance(o[0],(dict,list)):
        return "[\n"+",\n".join(sp+"  "+dump(v,ind+1) for v in o)+"\n"+sp+"]"
    return json.dumps(o,ensure_ascii=False)
open(os.path.join(os.path.dirname(os.path.abspath(__file__)),"Report.rav"),"w").write(dump(project)+"\n")
