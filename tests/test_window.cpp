// The main window and its dialogs as a user drives them, against the demo service over loopback.
// Each scenario is what a user does and what the window shows meanwhile (see WindowHarness::run).
#include "app/appfont.h"
#include "table.h"
#include "windowharness.h"

class TestWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applyApplicationFont(); }

    void scenarios_data()
    {
        tableRows(R"(
start-up: start ; show S1,Label3,Label7,locked,Timer3,Combo1,range:Combo1,Combo2,range:Combo2,Combo3,range:Combo3,Combo4,
  range:Combo4,panel,Frame2,sounds,skin,columns => S1=查询提示：,程序检测更新中..,Mirovel出品,14:05 | Label3=快件状态：未查询
  | Label7=是否更新：未查询 #000000 | locked=Text1,Command1 | Timer3=on | Combo1= | range:Combo1=AAE快递..中邮物流 (127)
  | Combo2=0 | range:Combo2=0..23 (24) | Combo3=0 | range:Combo3=0..59 (60) | Combo4= | range:Combo4=1..360 (360)
  | panel=Frame4 at 16,120 | Frame2=物流信息 [当前支持:127家物流公司]F8快捷粘贴单号 | sounds=orvo.mp3 | skin=skinh.she -157
  | columns=96,133,347
columns locked: start ; resize ; show columns => columns=96,133,347
update current: update V3.0\r\n ; start ; tick Timer3 ; show message,boxes,locked,Timer3,sent,forum,exit
  => message=程序已加载完毕... | boxes= | locked= | Timer3=off | sent=/orvoupd/zephyr/jc.txt | forum= | exit=
update newer: update V3.1 ; start ; tick Timer3 ; show message,box,locked,Timer3,forum,exit => message=程序已加载完毕...
  | box=Tiko提示: 发现最新版本![V3.1]\r\n \r\n确定后自动打开官方论坛! [icon 0, buttons 1, default 0] | locked=Text1,Command1
  | Timer3=off | forum=http://forum.invalid/bbs/ | exit=0
update fails: update <html></html> ; start ; tick Timer3 ; show message,tip:S1Panel2,box,locked,forum,exit
  => message=程序已加载完毕... | tip:S1Panel2=更新文件内容无效
  | box=Orvo系列软件: 检测更新失败!请您稍后再试,暂时使用原版 [icon 1, buttons 1, default 0] | locked= | forum= | exit=
signed for: ready ; query 91 5550001111 ; query 91 1234567890 ; show message,Label3,Label7,locked,rows,top,bottom,colours,
  sounds,sent,file:wlnum.ini,entries => message=查询完毕... | Label3=快件状态：已签收 | Label7=是否更新：有更新 #ff0000
  | locked= | rows=7 | top=1|2026-11-28 09:12:05|【上海市浦东新区】已签收，签收人：前台代收，感谢使用
  | bottom=7|2026-11-25 18:40:11|【广州市白云区】快件已揽收，揽收员：陈师傅 | colours=- red red - - -
  | sounds=orvo.mp3,ts.mp3,ts.mp3 | sent=/?com=shunfeng&nu=1234567890&id=3C7E1A90B4D25F6E8A0C19D7E25B4F31&type=html
  | file:wlnum.ini=5550001111|顺丰快递\r\n1234567890|顺丰快递\r\n | entries=5550001111|顺丰快递,1234567890|顺丰快递
fewer rows: ready ; answer 2=<tr><td>T1</td><td>P1</td></tr><tr><td>T2</td><td>正在派件</td></tr> ; query 91 5550001111
  ; query 91 2 ; show Label3,Label7,sounds => Label3=快件状态：派件中 | Label7=是否更新：无更新 #000000 | sounds=orvo.mp3,ts.mp3
number refused: ready ; query 91 5550001111 ; focus Command3 ; query 91 000 ; show message,Label3,Label7,locked,Text1,focus,
  rows,file:wlnum.ini => message=单号格式错误!请检查! | Label3=快件状态：未查询 | Label7=是否更新：有更新 #ff0000 | locked=
  | Text1= | focus=Text1 | rows=0 | file:wlnum.ini=5550001111|顺丰快递\r\n
company refused: ready ; answer 3=<p>不支持的快递公司</p> ; focus Command3 ; query 91 3 ; show message,Text1,focus,file:wlnum.ini
  => message=系统问题,暂不支持当前快递公司! | Text1=3 | focus=Command3 | file:wlnum.ini=(none)
no answer: ready ; query 91 5550001111 ; serve tracking=e404 ; query 91 1234567890 ; show message,tip:S1Panel2,Label3,Label7,
  locked,rows,sounds,file:wlnum.ini ; serve tracking=normal ; query 91 8880001 ; show tip:S1Panel2
  => message=查询失败,请检查网络后重试! | tip:S1Panel2=服务器返回HTTP错误404 | Label3=快件状态：未查询
  | Label7=是否更新：有更新 #ff0000 | locked= | rows=0 | sounds=orvo.mp3,ts.mp3 | file:wlnum.ini=5550001111|顺丰快递\r\n
  | tip:S1Panel2=
no rows: ready ; query 91 8880001 ; show message,Label7,locked,file:wlnum.ini
  => message=暂无物流信息! | Label7=是否更新：未查询 #000000 | locked= | file:wlnum.ini=8880001|顺丰快递\r\n
history not written: ready ; limit 5 ; query 91 1234567890 ; limit 0 ; show message,rows,entries,file:wlnum.ini
  => message=单号记录保存失败! | rows=7 | entries=1234567890|顺丰快递 | file:wlnum.ini=(none)
more rows than 16 bits count: ready ; answer 9=rows:70000 ; query 91 9 ; show rows,top,bottom
  => rows=70000 | top=1|T70000|P70000 | bottom=70000|T1|P1
no number: ready ; focus Command3 ; query 91  ; show message,focus,requests => message=请输入快递单号! | focus=Text1 | requests=1
the paste hint: ready ; query 91 双击文本可粘贴单号 ; show message,Text1,focus,requests
  => message=请输入快递单号! | Text1= | focus=Text1 | requests=1
no company: ready ; focus Command3 ; query -1 123 ; show message,focus,Text1,requests
  => message=请选择快递公司! | focus=Combo1 | Text1=123 | requests=1
before the update check: start ; query 91 1234567890 ; show requests,message => requests=0 | message=程序检测更新中..
change notice: put wlnum.ini=1|顺丰快递\r\n ; ready ; answer 1=rows:7 ; query 91 1 ; show Label7 ; query 91 1 ; show Label7
  ; answer 1=rows:8 ; query 91 1 ; serve tracking=e404 ; query 91 1 ; show Label7 ; serve tracking=normal ; answer 1=rows:12
  ; query 91 1 ; answer 1=rows:5 ; query 91 1 ; show Label7 ; focus Text1 ; key Down ; query 91 1 ; show Label7,sounds
  => Label7=是否更新：有更新 #ff0000 | Label7=是否更新：无更新 #000000 | Label7=是否更新：有更新 #ff0000
  | Label7=是否更新：无更新 #000000 | Label7=是否更新：有更新 #ff0000 | sounds=orvo.mp3,ts.mp3,ts.mp3,ts.mp3,ts.mp3
pick: put wlnum.ini=1234567890|中通快递\r\n ; ready ; pick 90 ; focus Text1 ; key Down ; show Text1,Combo1 ; click Command1
  ; show code => Text1=1234567890 | Combo1=中通快递 | code=zhongtong
pick, company unknown: put wlnum.ini=888|不存在的公司\r\n ; ready ; pick 90 ; focus Text1 ; key Down
  ; show Text1,Combo1 ; click Command1 ; show code => Text1=888 | Combo1=申通快递 | code=shentong
code does not pick: put wlnum.ini=1|中通快递\r\n ; ready ; pick 90 ; select Text1=0 ; type 1|中通快递 ; show Combo1
  => Combo1=申通快递
delete equal numbers only: put wlnum.ini=3124|a\r\n12|b\r\n ; ready ; type 12 ; click Command9 ; show box,file:wlnum.ini,
  entries,Text1,message => box=Orvo系列软件: 确定要删除[12]此单号码? [icon 0, buttons 6, default 2]
  | file:wlnum.ini=3124|a\r\n | entries=3124|a | Text1= | message=程序已加载完毕...
delete the only entry: put wlnum.ini=7|a\r\n ; ready ; type 7 ; click Command9 ; show file:wlnum.ini,entries,Text1
  => file:wlnum.ini= | entries= | Text1=
delete none of it: put wlnum.ini=7|a ; ready ; type 9 ; click Command9 ; show file:wlnum.ini,Text1 => file:wlnum.ini=7|a\r\n | Text1=
delete line breaks only: put wlnum.ini=|a\r\n\r\n7|b\n ; ready ; type \r\n ; click Command9 ; show box,file:wlnum.ini,entries
  => box=Orvo系列软件: 确定要删除[\r\n]此单号码? [icon 0, buttons 6, default 2] | file:wlnum.ini=|a\r\n\r\n7|b\n | entries=|a,,7|b
delete answered No: put wlnum.ini=7|a ; ready ; type 7 ; reply No ; click Command9 ; show file:wlnum.ini,Text1
  => file:wlnum.ini=7|a | Text1=7
delete from an empty box: put wlnum.ini=7|a ; ready ; click Command9 ; show box,file:wlnum.ini
  => box=Orvo系列软件: 请先选择要删除的单号! [icon 0, buttons 1, default 0] | file:wlnum.ini=7|a
delete not written: put wlnum.ini=7|a\r\n8|b\r\n ; ready ; type 7 ; limit 3 ; click Command9 ; limit 0
  ; show message,entries,file:wlnum.ini => message=单号记录保存失败! | entries=8|b | file:wlnum.ini=7|a\r\n8|b\r\n
clear: put wlnum.ini=7|a\r\n8|b\r\n ; ready ; type 7 ; click Command7 ; show box,message,entries,Text1,file:wlnum.ini
  => box=Orvo系列软件: 确定要清空查询列表吗? [icon 0, buttons 6, default 2] | message=查询列表已清空... | entries= | Text1=
  | file:wlnum.ini=(none)
clear without a file: ready ; click Command7 ; show message => message=查询列表已清空...
clear answered No: put wlnum.ini=7|a ; ready ; type 7 ; reply No ; click Command7 ; show message,entries,Text1
  => message=程序已加载完毕... | entries=7|a | Text1=7
clear not removed: block wlnum.ini ; ready ; click Command7 ; show message => message=单号记录保存失败!
export nothing: ready ; click Command3 ; show box,message,file:物流信息.txt
  => box=Orvo系列软件: 没有可导出的数据! [icon 0, buttons 1, default 0] | message=没有可导出的数据.. | file:物流信息.txt=(none)
export: ready ; answer 5=<tr><td>T1</td><td>已揽收</td></tr><tr><td>T2</td><td>已签收</td></tr></table> ; query 91 5
  ; click Command3 ; show box,message,file:物流信息.txt => box=Orvo系列软件: 成功导出全部数据! [icon 0, buttons 1, default 0]
  | message=成功导出全部数据.. | file:物流信息.txt=1          T2   已签收\r\n2          T1   已揽收\r\n
export fails part of the way: ready ; answer 5=rows:2 ; query 91 5 ; click Command3 ; answer 6=rows:3 ; query 91 6 ; limit 20
  ; click Command3 ; limit 0 ; show box,message,file:物流信息.txt => box=Orvo系列软件: 数据导出失败! [icon 0, buttons 1, default 0]
  | message=数据导出失败.. | file:物流信息.txt=1          T2   P2\r\n2          T1   P1\r\n
schedule without a number: ready ; pick 91 ; click Command8 ; show box,Command8,Timer4,locked
  => box=Orvo系列软件: 请先查询单号后在使用定时功能! [icon 0, buttons 1, default 0] | Command8=开始定时 | Timer4=off | locked=
schedule without a company: ready ; type 1 ; click Command8 ; show boxes => boxes=请先查询单号后在使用定时功能!
schedule without a minute: ready ; pick 91 ; type 1 ; select Combo3=-1 ; click Command8 ; show boxes => boxes=请设定查询时间!
loop without a number: ready ; pick 91 ; click Command10 ; click Command5 ; show boxes,Command5
  => boxes=请先查询单号后在使用本功能! | Command5=开始循环
loop without an interval: ready ; pick 91 ; type 1 ; click Command10 ; click Command5 ; show boxes => boxes=请先设定时间!
schedule armed and disarmed: ready ; pick 91 ; type 1 ; select Combo2=7 ; select Combo3=5 ; click Command8
  ; show Command8,tip:Command8,Timer4,locked ; click Command8 ; show Command8,tip:Command8,Timer4,locked,boxes
  => Command8=关闭定时 | tip:Command8=下次查询：07:05 | Timer4=on | locked=Text1,Combo1,Command9,Command7,Command2,Combo2,Combo3
  | Command8=开始定时 | tip:Command8= | Timer4=off | locked= | boxes=
loop armed and disarmed: ready ; pick 91 ; type 1 ; click Command10 ; select Combo4=4 ; click Command5 ; show Command5,Timer6,
  locked ; click Command5 ; show Command5,Timer6,locked => Command5=停止循环 | Timer6=on
  | locked=Text1,Combo1,Command9,Command7,Command2,Combo4 | Command5=开始循环 | Timer6=off | locked=
schedule fires at its minute, once: ready ; query 91 1234567890 ; select Combo2=9 ; select Combo3=30 ; at 9:29 ; click Command8
  ; tick Timer4 ; at 9:29:59 ; tick Timer4 ; at 10:30 ; tick Timer4 ; at 9:31 ; tick Timer4 ; show requests ; at 9:30
  ; tick Timer4 ; show requests,Command8,locked ; tick Timer1 ; tick Timer4 ; show requests,rows
  => requests=2 | requests=3 | Command8=开始定时 | locked=Command1 | requests=3 | rows=7
schedule at its presets, midnight: ready ; pick 91 ; type 1234567890 ; at 14:05 ; click Command8 ; tick Timer4 ; at 23:59:59
  ; tick Timer4 ; show requests ; at 0:00 ; tick Timer4 ; show requests => requests=1 | requests=2
schedule armed within its minute: ready ; pick 91 ; type 1234567890 ; select Combo2=14 ; select Combo3=5 ; at 14:05:30
  ; click Command8 ; tick Timer4 ; show requests => requests=2
loop every minute: ready ; pick 91 ; type 1234567890 ; click Command10 ; select Combo4=0 ; click Command5 ; tick Timer6
  ; tick Timer1 ; tick Timer6 ; tick Timer1 ; show requests,rows,Command5,Timer6
  => requests=3 | rows=7 | Command5=停止循环 | Timer6=on
loop restarted, and a query by hand: ready ; pick 91 ; type 1234567890 ; click Command10 ; select Combo4=2 ; click Command5
  ; tick Timer6 x2 ; click Command5 ; click Command5 ; tick Timer6 x2 ; show requests ; click Command1 ; tick Timer1
  ; tick Timer6 ; show requests => requests=1 | requests=3
loop every 360 minutes: ready ; pick 91 ; type 1234567890 ; click Command10 ; select Combo4=359 ; click Command5
  ; tick Timer6 x359 ; show requests ; tick Timer6 ; show requests => requests=1 | requests=2
panels take turns: ready ; click Command10 ; show panel,boxes ; click Command11 ; show panel
  => panel=Frame6 at 16,120 | boxes= | panel=Frame4 at 16,120
leave an armed schedule, No: ready ; pick 91 ; type 1 ; click Command8 ; reply No ; click Command10 ; show box,panel,Command8,
  Timer4 => box=Orvo系列软件: 当前正在定时查询,是否终止? [icon 0, buttons 6, default 2] | panel=Frame4 at 16,120
  | Command8=关闭定时 | Timer4=on
leave an armed schedule, Yes: ready ; pick 91 ; type 1 ; click Command8 ; click Command10 ; show panel,Command8,Timer4,locked
  => panel=Frame6 at 16,120 | Command8=开始定时 | Timer4=off | locked=
leave an armed loop, No: ready ; pick 91 ; type 1234567890 ; click Command10 ; select Combo4=2 ; click Command5
  ; tick Timer6 x2 ; reply No ; click Command11 ; show box,panel ; tick Timer6 ; show requests
  => box=Orvo系列软件: 当前正在循环查询,是否终止? [icon 0, buttons 6, default 2] | panel=Frame6 at 16,120 | requests=2
leave an armed loop, Yes: ready ; pick 91 ; type 1234567890 ; click Command10 ; select Combo4=2 ; click Command5
  ; tick Timer6 x2 ; click Command11 ; show panel,Command5,Timer6,locked ; click Command10 ; click Command5 ; tick Timer6 x2
  ; show requests => panel=Frame4 at 16,120 | Command5=开始循环 | Timer6=off | locked= | requests=1
search, every match in turn: ready ; pick 126 ; search 快递 ; show Combo1,message
  => Combo1=忠信达快递 | message=找到【忠信达快递】，是否为您要找的公司?
search, case counts: ready ; pick 126 ; search ems ; show Combo1,message => Combo1=中邮物流 | message=程序已加载完毕...
search, upper case: ready ; pick 126 ; search EMS ; show Combo1,message => Combo1=EMS快递 | message=找到【EMS快递】，是否为您要找的公司?
search, spaces around, a full-width one kept: ready ; search  申通  ; show Combo1 ; pick 126 ; search 申通\u3000
  ; show Combo1 => Combo1=申通快递 | Combo1=中邮物流
search, empty: ready ; pick 126 ; search  ; show Combo1,boxes => 搜索物流公司 stayed | Combo1=中邮物流 | boxes=请输入物流公司关键字
search, spaces only: ready ; pick 126 ; search    ; show Combo1,boxes => 搜索物流公司 stayed | Combo1=中邮物流 | boxes=
popular companies: ready ; popular Command2 ; show Combo1 ; popular Command3 ; show Combo1 ; popular Command4 ; show Combo1
  ; popular Command5 ; show Combo1 ; popular Command6 ; show Combo1 ; popular Command7 ; show Combo1 ; popular Command8
  ; show Combo1 ; popular Command9 ; show Combo1 ; popular Command10 ; show Combo1 ; popular Command11 ; show Combo1,message
  => Combo1=申通快递 | Combo1=EMS快递 | Combo1=顺丰快递 | Combo1=圆通快递 | Combo1=中通快递 | Combo1=汇通快递 | Combo1=韵达快递
  | Combo1=程光快递 | Combo1=全峰快递 | Combo1=宅急送快递 | message=程序已加载完毕...
outlet found: ready ; outlet  浦东  ; show boxes,sent
  => 网店信息查询=浦东张江营业部,张伟,申通快递上海浦东分公司,021-58951234,张江镇、川沙新镇、唐镇,合庆镇、曹路镇 / 请输入要查询的网点名称
  | boxes=张江镇、川沙新镇、唐镇 | sent=/query_list.asp?name=%E6%B5%A6%E4%B8%9C
outlet not found: ready ; outlet 无此网点 ; show boxes
  => 网店信息查询=未查询,未查询,未查询,未查询,未查询,未查询 / 您查询的网点不存在! | boxes=您查询的网点不存在!
outlet without a name: ready ; outlet  ; show boxes,requests
  => 网店信息查询=未查询,未查询,未查询,未查询,未查询,未查询 / 请输入您要查询的站点.. | boxes= | requests=1
F8 before the update check: start ; type old ; copy 9876 ; focus Combo1 ; key F7 ; show Text1 ; key Shift+F8 ; show Text1,locked
  => Text1=old | Text1=9876 | locked=Text1,Command1
F8 keeps line breaks, pastes no text too: ready ; copy 9876\r\n ; focus ListView1 ; key F8 ; show Text1 ; copy
  ; focus Command3 ; key F8 ; show Text1 => Text1=9876\r\n | Text1=
F8 in the number box's open list: put wlnum.ini=555|x\r\n ; ready ; copy 9876 ; focus Text1 ; open Text1 ; key F8
  ; show Text1,popup ; key Return ; show Text1 => Text1=9876 | popup=no | Text1=9876
F8 in the minute list: ready ; copy 9876 ; focus Combo3 ; open Combo3 ; key F8 ; show Text1,popup => Text1=9876 | popup=no
clicks on the list: ready ; row -1 ; show message
  ; answer 5=<tr><td>T1</td><td>P1 <b>x</b></td></tr><tr><td>T2</td><td>P2</td></tr></table> ; query 91 5 ; row 1
  ; show message,tooltip ; row 0 ; show tooltip,selection ; row -1 ; show message,selection
  => message=当前没有物流信息 | message=查询完毕... | tooltip=物流跟踪信息/时间:T1/物流进度:P1 <b>x</b>
  | tooltip=物流跟踪信息/时间:T2/物流进度:P2 | selection=yes | message=当前没有物流信息 | selection=no
balloon cut at a whole character: ready ; answer 5=<tr><td>T</td><td>{x*1994}😀z</td></tr> ; query 91 5 ; row 0 ; show tooltip
  => tooltip=物流跟踪信息/时间:T/物流进度:{x*1994}…
farewell, Yes: ready ; reply Yes ; close ; show box,window,forum
  => box=Orvo系列软件: 感谢您对Pell、对Orvo系列的软件的支持!\n \n是否退出并到论坛可以下载更多Orvo系列原创免费软件?
  [icon 0, buttons 14, default 2] | window=no | forum=http://forum.invalid/bbs/
farewell, No: ready ; reply No ; close ; show window,forum,exit => window=no | forum= | exit=
farewell, Cancel: ready ; reply Cancel ; close ; show window,forum => window=yes | forum=
close by the window system during a failing update check: serve update=hang ; modal ; start ; closing window ; reply Ok
  ; reply No ; tick Timer3 ; events ; show nested,window,boxes => nested=1 | window=no
  | boxes=检测更新失败!请您稍后再试,暂时使用原版/感谢您对Pell、对Orvo系列的软件的支持!\n
  \n是否退出并到论坛可以下载更多Orvo系列原创免费软件?
close by code during a passing update check: serve update=drip ; modal ; start ; closing code ; reply No
  ; tick Timer3 ; events ; show window,boxes => window=no | boxes=感谢您对Pell、对Orvo系列的软件的支持!\n
  \n是否退出并到论坛可以下载更多Orvo系列原创免费软件?
close during an update check that finds a newer version: serve update=drip ; update V3.1 ; modal ; start ; closing window
  ; tick Timer3 ; events ; show boxes,exit => boxes=发现最新版本![V3.1]\r\n \r\n确定后自动打开官方论坛! | exit=0
about and the forum: ready ; about ; click Command4 ; show forum => 关于程序=版本号：3.0.83 #ff0000 #0000ff #ff0000 #0000ff
  | forum=tencent://message/?uin=0,mailto:dev@q.test,http://forum.invalid/bbs/,tencent://message/?uin=0,http://forum.invalid/bbs/
notified of a loop query that finds more: ready ; answer 1=rows:2 ; query 91 1 ; click Command10 ; select Combo4=0
  ; click Command5 ; answer 1=rows:3 ; tick Timer6 ; tick Timer1 ; show notified => notified=快件有更新/顺丰快递 1\nT3 P3
notified of a query that ends while the window is not active, not of the first, lines cut: ready ; answer {8*120}=rows:1
  ; elsewhere ; query 91 {8*120} ; show notified
  ; answer {8*120}=<tr><td>T1</td><td>P1</td></tr><tr><td>T2</td><td>{x*120}</td></tr></table> ; query 91 {8*120}
  ; show notified => notified= | notified=快件有更新/顺丰快递 {8*95}…\nT2 {x*97}…
not notified in the active window: ready ; answer 1=rows:2 ; query 91 1 ; answer 1=rows:3 ; query 91 1 ; show notified,Label7
  => notified= | Label7=是否更新：有更新 #ff0000
not notified after a pick: put wlnum.ini=1|顺丰快递\r\n ; ready ; answer 1=rows:2 ; query 91 1 ; focus Text1 ; key Down
  ; answer 1=rows:3 ; elsewhere ; query 91 1 ; show notified,Label7 => notified= | Label7=是否更新：有更新 #ff0000
not notified without more rows, nor of a failure: ready ; answer 1=rows:2 ; query 91 1 ; elsewhere ; query 91 1
  ; serve tracking=e404 ; query 91 1 ; show notified => notified=
the notification raises the window: ready ; minimize ; activate ; show minimized => minimized=no
next loop query: ready ; pick 91 ; type 1 ; click Command10 ; select Combo4=2 ; at 23:58:40 ; click Command5
  ; show tip:Command5 ; at 23:59:40 ; tick Timer6 ; show tip:Command5 ; at 0:01:40 ; tick Timer6 x2 ; show tip:Command5
  ; click Command11 ; show tip:Command5 => tip:Command5=下次查询：00:01 | tip:Command5=下次查询：00:01
  | tip:Command5=下次查询：00:04 | tip:Command5=
outlet closed while its page is awaited: ready ; serve outlet=hang ; outlet !浦东 ; serve outlet=normal ; outlet 浦东
  ; show boxes => 查询 disabled | 网店信息查询=未查询,未查询,未查询,未查询,未查询,未查询 / 请输入要查询的网点名称
  | 网店信息查询=浦东张江营业部,张伟,申通快递上海浦东分公司,021-58951234,张江镇、川沙新镇、唐镇,合庆镇、曹路镇 / 请输入要查询的网点名称
  | boxes=张江镇、川沙新镇、唐镇
)");
    }
    void scenarios()
    {
        QFETCH(QString, input);
        WindowHarness h;
        QTEST(h.run(input), "expected");
    }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
